// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui_test_support.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "windows/progress_window.h"

QMessageBox::StandardButton cScriptedDialogs::Message(QWidget* /*parent*/, QMessageBox::Icon icon,
                                                      const QString& caption, const QString& text,
                                                      QMessageBox::StandardButtons buttons,
                                                      const QString& detail) {
    messages.append({icon, caption, text, buttons, detail});
    if (answers.empty()) {
        if (buttons != QMessageBox::Ok) unexpected.append(text);
        for (int bit = 0; bit < 32; ++bit) {
            const auto button = static_cast<QMessageBox::StandardButton>(1u << bit);
            if (buttons.testFlag(button)) return button;
        }
        return QMessageBox::Ok;
    }
    const auto answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<cFileChoice> cScriptedDialogs::OpenFile(QWidget* /*parent*/, const QString& caption,
                                                      const QStringList& /*filters*/) {
    fileDialogCaptions.append(caption);
    if (fileAnswers.empty()) {
        unexpected.append(caption);
        return std::nullopt;
    }
    const cFileChoice answer = fileAnswers.front();
    fileAnswers.pop_front();
    if (answer.path.isEmpty()) return std::nullopt;
    return answer;
}

std::optional<cFileChoice> cScriptedDialogs::SaveFile(QWidget* parent, const QString& caption,
                                                      const QStringList& filters) {
    return OpenFile(parent, caption, filters);
}

void cScriptedDialogs::ShowText(QWidget* /*parent*/, const QString& caption, const QString& text) {
    texts.append({caption, text});
}

QStringList cScriptedDialogs::MessageTexts() const {
    QStringList result;
    for (const auto& shown : messages)
        result.append(shown.text);
    return result;
}

cModalWatchdog::cModalWatchdog() {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Check(); });
    timer_.start(50);
}

void cModalWatchdog::Check() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || leftOpen_.contains(modal)) return;
    const bool expected = expected_.contains(modal);
    (expected ? closed_ : unexpected_).append(modal->windowTitle());
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}

namespace {

// The variable that names the folder of the formula history (common/program_files.h).
#ifdef Q_OS_WIN
constexpr const char* UserDataVariable = "APPDATA";
#else
constexpr const char* UserDataVariable = "XDG_DATA_HOME";
#endif

}  // namespace

cProgramFixture::cProgramFixture(const QString& settingsText, const QString& folderName)
    : folder_(QDir(root_.path()).filePath(folderName)),
      userData_(UserDataVariable,
                QFile::encodeName(QDir(root_.path()).filePath(QStringLiteral("user data")))),
      override_(dialogs) {
    QDir().mkpath(folder_);
    if (!settingsText.isNull()) {
        QFile file(QDir(folder_).filePath(QStringLiteral("Orvane.ini")));
        if (file.open(QIODevice::WriteOnly)) file.write(settingsText.toUtf8());
    }
    Start();
}

void cProgramFixture::Restart() {
    windows_.reset();
    Start();
}

void cProgramFixture::Start() {
    windows_ = std::make_unique<cAppWindows>(folder_);
    FMain->show();
    FMain->activateWindow();
    QApplication::setActiveWindow(FMain);
    if (!QTest::qWaitForWindowActive(FMain)) qWarning("the main window did not become active");
}

cProgramFixture::~cProgramFixture() {
    windows_.reset();
}

cEnvironmentOverride::cEnvironmentOverride(const char* name, const QByteArray& value) : name_(name) {
    if (qEnvironmentVariableIsSet(name)) previous_ = qgetenv(name);
    qputenv(name, value);
}

cEnvironmentOverride::~cEnvironmentOverride() {
    if (previous_)
        qputenv(name_, *previous_);
    else
        qunsetenv(name_);
}

cFakeClock::cFakeClock(bool ticking) : previous_(ProgressClock), previousReports_(ReportsPerClockReading) {
    now = 1000;
    ticking_ = ticking;
    ProgressClock = [] { return ticking_ ? now++ : now; };
    ReportsPerClockReading = 1;
}

cFakeClock::~cFakeClock() {
    ProgressClock = previous_;
    ReportsPerClockReading = previousReports_;
}

cDuringWork::cDuringWork(std::function<void()> action) {
    QTimer::singleShot(0, FMain, std::move(action));
}

void TypeAndCalculate(const QString& formula) {
    FMain->EFormel->setText(formula);
    QTest::keyClick(FMain->EFormel, Qt::Key_Return);
}

void ClickCancel() {
    // Through the window system, which keeps the click from a window that a modal one blocks.
    QTest::mouseClick(FProgress->windowHandle(), Qt::LeftButton, {}, FProgress->BCancel->geometry().center());
}

void cWindowTest::Start(const QString& settingsText, const QString& folderName) {
    program_.reset();  // one program at a time: the windows are global instances
    program_ = std::make_unique<cProgramFixture>(settingsText, folderName);
}

void cWindowTest::cleanup() {
    const std::unique_ptr<cProgramFixture> program = std::move(program_);
    if (!program) return;
    QVERIFY2(program->watchdog.Unexpected().isEmpty(), qPrintable(program->watchdog.Unexpected().join(", ")));
    QVERIFY2(program->dialogs.unexpected.isEmpty(), qPrintable(program->dialogs.unexpected.join(", ")));
}

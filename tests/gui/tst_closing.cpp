// SPDX-License-Identifier: GPL-3.0-or-later
// Closing the main window: declarations changed since they were last loaded or saved are offered for
// saving, and closing while the engine works asks whether to cancel the work.
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSpontaneKeyEvent>
#include <QTest>

#include "declaration_test_support.h"
#include "gui_test_support.h"

namespace {

const QString ConstantsQuestion = QStringLiteral(
    "Warning: The constants have been changed since they were last loaded or saved. Do you want to save "
    "them before Orvane closes?");
const QString FunctionsQuestion = QStringLiteral(
    "Warning: The functions have been changed since they were last loaded or saved. Do you want to save "
    "them before Orvane closes?");
const QString StillWorking =
    QStringLiteral("Warning: Orvane is still working. Do you want to cancel the work and close Orvane?");

// The close that the window system sends when the user clicks the title bar's close box: a spontaneous
// event, which sendEvent would make an ordinary one.
void CloseAsTheUserDoes() {
    QCloseEvent event;
    QSpontaneKeyEvent::setSpontaneous(&event);
    QApplication::instance()->notify(FMain, &event);
}

}  // namespace

class ClosingTest : public cWindowTest {
    Q_OBJECT
private slots:
    void init();

    void changedDeclarationsAreOfferedForSaving_data();
    void changedDeclarationsAreOfferedForSaving();
    void loadedAndSavedDeclarationsCloseWithoutAQuestion();
    void closingWhileTheEngineWorksAsksWhetherToCancel_data();
    void closingWhileTheEngineWorksAsksWhetherToCancel();

private:
    QString InFolder(const QString& name) const { return QDir(program_->Folder()).filePath(name); }

    bool closed_ = false;
};

void ClosingTest::init() {
    cWindowTest::init();
    closed_ = false;
    connect(FMain, &TFMain::Closed, this, [this] { closed_ = true; });
}

void ClosingTest::changedDeclarationsAreOfferedForSaving_data() {
    QTest::addColumn<bool>("functionsToo");
    QTest::addColumn<QList<QMessageBox::StandardButton>>("answers");
    QTest::addColumn<QString>("savedAs");  // empty: the save dialog is cancelled, or none shows
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<bool>("closes");
    using tAnswers = QList<QMessageBox::StandardButton>;
    QTest::newRow("Cancel keeps the window open")
        << true << tAnswers{QMessageBox::Cancel} << "" << QStringList{ConstantsQuestion} << false;
    QTest::newRow("Discard both") << true << tAnswers{QMessageBox::Discard, QMessageBox::Discard} << ""
                                  << QStringList{ConstantsQuestion, FunctionsQuestion} << true;
    QTest::newRow("Save writes the constants")
        << false << tAnswers{QMessageBox::Save} << "kept.ovc" << QStringList{ConstantsQuestion} << true;
    QTest::newRow("Save, then cancelling the dialog keeps the window open")
        << false << tAnswers{QMessageBox::Save} << "" << QStringList{ConstantsQuestion} << false;
}

void ClosingTest::changedDeclarationsAreOfferedForSaving() {
    QFETCH(bool, functionsToo);
    QFETCH(QList<QMessageBox::StandardButton>, answers);
    QFETCH(QString, savedAs);
    QFETCH(QStringList, questions);
    QFETCH(bool, closes);
    QVERIFY(DeclareConstants({{"gn=9.81", "Earth"}}));
    if (functionsToo) QVERIFY(DeclareFunctions({{"f(x)=x", ""}}));
    program_->dialogs.answers.assign(answers.begin(), answers.end());
    if (answers == QList{QMessageBox::Save})
        program_->dialogs.fileAnswers.push_back({savedAs.isEmpty() ? QString() : InFolder(savedAs), 0});
    QCOMPARE(FMain->close(), closes);
    QCOMPARE(closed_, closes);
    QCOMPARE(program_->dialogs.MessageTexts(), questions);
    QCOMPARE(program_->dialogs.messages.front().buttons,
             QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    QCOMPARE(QDir(program_->Folder()).entryList({"*.ov?"}),
             savedAs.isEmpty() ? QStringList() : QStringList{savedAs});
}

void ClosingTest::loadedAndSavedDeclarationsCloseWithoutAQuestion() {
    QVERIFY(DeclareConstants({{"gn=9.81", "Earth"}}));
    program_->dialogs.fileAnswers = {{InFolder("gn.ovc"), 0}};
    FMain->File_Save->trigger();
    program_->Restart();
    connect(FMain, &TFMain::Closed, this, [this] { closed_ = true; });
    program_->dialogs.fileAnswers = {{InFolder("gn.ovc"), 0}};
    FMain->File_Open->trigger();
    QCOMPARE(ConstCount, 1);
    QVERIFY(FMain->close());
    QVERIFY(program_->dialogs.messages.isEmpty());
}

void ClosingTest::closingWhileTheEngineWorksAsksWhetherToCancel_data() {
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<QString>("result");
    QTest::newRow("OK cancels the work and closes") << QMessageBox::Ok << "<ERROR>";
    QTest::newRow("Cancel lets the work finish") << QMessageBox::Cancel << "200010000";
}

void ClosingTest::closingWhileTheEngineWorksAsksWhetherToCancel() {
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(QString, result);
    program_->dialogs.answers = {answer};
    {
        const cDuringWork close(CloseAsTheUserDoes);
        TypeAndCalculate("sum('i';1;20000;i)");
    }
    QCOMPARE(FMain->LErgebnis->text(), result);
    // No box says that the work was cancelled: the user asked for it.
    QCOMPARE(program_->dialogs.MessageTexts(), QStringList{StillWorking});
    QCOMPARE(QTest::qWaitFor([this] { return closed_; }, 500), answer == QMessageBox::Ok);
}

QTEST_MAIN(ClosingTest)
#include "tst_closing.moc"

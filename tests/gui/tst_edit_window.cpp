// SPDX-License-Identifier: GPL-3.0-or-later
// The declaration editor driven through its list, edits and buttons: add, modify, delete, Done and
// Cancel, with every warning and the error after a failed commit.
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "declaration_test_support.h"
#include "gui_test_support.h"
#include "windows/palettes_window.h"
#include "windows/progress_handler.h"

namespace {

const QString NothingSelected =
    QStringLiteral("Warning: To perform this action, it is required that you select something before.");
const QString DependencyStart =
    QStringLiteral("Warning: It is not possible to manipulate/delete this constant declaration in any way.");
const QString TableFull = QStringLiteral(
    "Warning: It is not possible to add anything more. The memory area which is reserved for this purpose "
    "is full. You can avoid this by setting a larger value in the preferences.");
const QString DiscardQuestion =
    QStringLiteral("Warning: The changes made in this window will be lost. Do you want to throw them away?");
const QString CommitFailed = QStringLiteral(
    "Error: While interpreting your declarations, Orvane encountered an error. It is recommented that you "
    "re-edit the declaration capable for the error. Do you want to re-edit or cancel editing?");

// Shows the editor as Edit > Constants (mode 1) or Edit > Functions (mode 0) does, but without
// blocking, so that the test can work in it.
void OpenEditor(int mode) {
    FEdit->Mode = static_cast<std::uint8_t>(mode);
    FEdit->open();
}

void Type(const QString& definition, const QString& description) {
    FEdit->MDef->setPlainText(definition);
    FEdit->MDesc->setPlainText(description);
}

void Click(QPushButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

void SelectLine(int row) {
    QListWidgetItem* item = FEdit->Liste->item(row);
    QTest::mouseClick(FEdit->Liste->viewport(), Qt::LeftButton, {},
                      FEdit->Liste->visualItemRect(item).center());
}

QStringList ListLines() {
    QStringList lines;
    for (int i = 0; i < FEdit->Liste->count(); ++i)
        lines.append(FEdit->Liste->item(i)->text());
    return lines;
}

}  // namespace

class EditWindowTest : public cWindowTest {
    Q_OBJECT
private slots:
    void cleanup();

    void showListsTheLiveDeclarations_data();
    void showListsTheLiveDeclarations();
    void clickShowsTheDeclaration();
    void addAndDoneMakeTheDeclarationsLive_data();
    void addAndDoneMakeTheDeclarationsLive();
    void placeholdersFailAtDoneAndCancelKeepsTheLiveTable();
    void failedCommitWithOkSelectsTheFailingLine();
    void modifyReplacesTheLine();
    void deleteRemovesTheLineAndKeepsTheEdits();
    void nothingSelected_data();
    void nothingSelected();
    void usedConstantIsProtected_data();
    void usedConstantIsProtected();
    void fullTableRefusesTheAdd();
    void cancelAndEscapeDiscard_data();
    void cancelAndEscapeDiscard();
    void nothingStartsWhileACommitRuns();
    void textsThatCannotBeStoredAreRefused_data();
    void textsThatCannotBeStoredAreRefused();
    void escapeWithoutChangesClosesAtOnce();
    void failedDoneSaysWhichDeclarationAndWhy();
    void constantNamesNoFormulaCanReachAreWarnedAbout_data();
    void constantNamesNoFormulaCanReachAreWarnedAbout();
    void cancelledDoneClosesTheEditorAndKeepsTheLiveTable();

private:
};

void EditWindowTest::cleanup() {
    if (FEdit && FEdit->isVisible()) Click(FEdit->BCancel);
    cWindowTest::cleanup();
}

void EditWindowTest::showListsTheLiveDeclarations_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("constants") << 1 << "Edit constants" << QStringList{"g", "c", "averyveryl[...]"};
    QTest::newRow("functions") << 0 << "Edit functions" << QStringList{"f(x)", "sq(x;y)"};
}

void EditWindowTest::showListsTheLiveDeclarations() {
    QFETCH(int, mode);
    QFETCH(QString, caption);
    QFETCH(QStringList, lines);
    Start();
    QVERIFY(DeclareConstants({{"g = 9.81", "Earth"}, {"c=299792458", ""}, {"averyverylongname=1", ""}}));
    QVERIFY(DeclareFunctions({{"f(x)=x+1", ""}, {"sq(x; y)=x^2+y", ""}}));
    OpenEditor(mode);
    QCOMPARE(FEdit->windowTitle(), caption);
    QCOMPARE(ListLines(), lines);
    QCOMPARE(FEdit->MDef->toPlainText(), QStringLiteral("<definition>"));
    QCOMPARE(FEdit->MDesc->toPlainText(), QStringLiteral("<description>"));
    QVERIFY(mode == 1 ? ConstWorkOpen : FuncWorkOpen);
}

void EditWindowTest::clickShowsTheDeclaration() {
    Start();
    QVERIFY(DeclareConstants({{"g=9.81", "Earth\r\nat sea level"}, {"c=3", "light"}}));
    OpenEditor(1);
    SelectLine(0);
    QCOMPARE(FEdit->MDef->toPlainText(), QStringLiteral("g=9.81"));
    QCOMPARE(FEdit->MDesc->toPlainText(), QStringLiteral("Earth\nat sea level"));
    QTest::keyClick(FEdit->Liste, Qt::Key_Down);
    QCOMPARE(FEdit->MDesc->toPlainText(), QStringLiteral("light"));
}

void EditWindowTest::addAndDoneMakeTheDeclarationsLive_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("definition");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("formula");
    QTest::addColumn<double>("value");
    QTest::newRow("constant") << 1 << "grav = 9.81"
                              << "Earth\nat sea level"
                              << "2*grav" << 19.62;
    QTest::newRow("function on two lines") << 0 << "sq(x)=\nx^2"
                                           << ""
                                           << "sq(3)" << 9.0;
}

void EditWindowTest::addAndDoneMakeTheDeclarationsLive() {
    QFETCH(int, mode);
    QFETCH(QString, definition);
    QFETCH(QString, description);
    QFETCH(QString, formula);
    QFETCH(double, value);
    Start();
    OpenEditor(mode);
    Type(definition, description);
    Click(FEdit->BAdd);
    QCOMPARE(FEdit->Liste->count(), 1);
    Click(FEdit->BDone);
    QVERIFY(!FEdit->isVisible());
    QCOMPARE(FEdit->Liste->count(), 0);
    QVERIFY(!ConstWorkOpen && !FuncWorkOpen);
    // The lines are joined with CR LF, as library files hold them.
    const auto stored = mode == 1 ? GetConstDescription(0) : GetFuncDefinition(0);
    const QString expected = mode == 1 ? description : definition;
    QCOMPARE(QString::fromLatin1(stored.value_or("").c_str()), QString(expected).replace("\n", "\r\n"));
    QListWidget* palette = mode == 1 ? FPalettes->LConst : FPalettes->LUserFunc;
    QCOMPARE(palette->count(), 1);
    cParseTree tree(formula.toStdString());
    QCOMPARE(tree.Evaluate(), value);
}

void EditWindowTest::placeholdersFailAtDoneAndCancelKeepsTheLiveTable() {
    Start();
    QVERIFY(DeclareConstants({{"k=1", ""}}));
    OpenEditor(1);
    Click(FEdit->BAdd);
    QCOMPARE(ListLines(), (QStringList{"k", "<definition>"}));
    program_->dialogs.answers.push_back(QMessageBox::Cancel);
    Click(FEdit->BDone);
    QCOMPARE(program_->dialogs.MessageTexts(), QStringList{CommitFailed});
    QCOMPARE(program_->dialogs.messages.front().buttons, QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(program_->dialogs.messages.front().icon, QMessageBox::Critical);
    QVERIFY(!FEdit->isVisible());
    QCOMPARE(FEdit->Liste->count(), 0);
    QVERIFY(!ConstWorkOpen);
    QCOMPARE(ConstCount, 1);
}

void EditWindowTest::failedCommitWithOkSelectsTheFailingLine() {
    Start();
    QVERIFY(DeclareFunctions({{"h(x)=x", ""}}));
    FPalettes->SUserFuncShow();
    OpenEditor(0);
    Type("g(x)=f(x)*2", "calls a later function");
    Click(FEdit->BAdd);
    Type("f(x)=x+1", "");
    Click(FEdit->BAdd);
    program_->dialogs.answers.push_back(QMessageBox::Ok);
    Click(FEdit->BDone);
    QCOMPARE(program_->dialogs.MessageTexts(), QStringList{CommitFailed});
    QVERIFY(FEdit->isVisible());
    QCOMPARE(FEdit->Liste->currentRow(), 1);
    QCOMPARE(FEdit->MDef->toPlainText(), QStringLiteral("g(x)=f(x)*2"));
    QCOMPARE(FEdit->MDesc->toPlainText(), QStringLiteral("calls a later function"));
    QVERIFY(FuncWorkOpen);
    QCOMPARE(FuncCount, 1);
    QCOMPARE(FPalettes->LUserFunc->count(), 1);
    // The commit's progress display has ended, but the main window waits for the editor to close.
    QVERIFY(!FProgress->isVisible());
    QVERIFY(!FMain->isEnabled());

    // Moving the failing line behind the one it calls mends it.
    Click(FEdit->BDelete);
    Type("g(x)=f(x)*2", "");
    Click(FEdit->BAdd);
    Click(FEdit->BDone);
    QVERIFY(!FEdit->isVisible());
    QCOMPARE(FuncCount, 3);
    QCOMPARE(FPalettes->LUserFunc->count(), 3);
    QTRY_VERIFY(FMain->isEnabled());
}

void EditWindowTest::modifyReplacesTheLine() {
    Start();
    QVERIFY(DeclareConstants({{"g=9.81", "Earth"}, {"c=3", ""}}));
    OpenEditor(1);
    SelectLine(0);
    Type("gravity=9.80665", "standard");
    Click(FEdit->BModify);
    QCOMPARE(ListLines(), (QStringList{"gravity", "c"}));
    Click(FEdit->BDone);
    QCOMPARE(QString::fromStdString(*Constants[0].name), QStringLiteral("gravity"));
    QCOMPARE(Constants[0].value, 9.80665);
}

void EditWindowTest::deleteRemovesTheLineAndKeepsTheEdits() {
    Start();
    QVERIFY(DeclareConstants({{"a1=1", "one"}, {"a2=2", "two"}, {"a3=3", "three"}}));
    OpenEditor(1);
    SelectLine(1);
    Click(FEdit->BDelete);
    QCOMPARE(ListLines(), (QStringList{"a1", "a3"}));
    QCOMPARE(FEdit->MDef->toPlainText(), QStringLiteral("a2=2"));
    // No other line takes the deleted one's place: a second Delete needs a new choice.
    Click(FEdit->BDelete);
    QCOMPARE(program_->dialogs.MessageTexts(), QStringList{NothingSelected});
    QCOMPARE(WorkConstCount, 2);
}

void EditWindowTest::nothingSelected_data() {
    QTest::addColumn<bool>("modify");
    QTest::newRow("Modify") << true;
    QTest::newRow("Delete") << false;
}

void EditWindowTest::nothingSelected() {
    QFETCH(bool, modify);
    Start();
    QVERIFY(DeclareConstants({{"g=9.81", ""}}));
    OpenEditor(1);
    Type("x=1", "");
    Click(modify ? FEdit->BModify : FEdit->BDelete);
    QCOMPARE(program_->dialogs.MessageTexts(), QStringList{NothingSelected});
    QCOMPARE(program_->dialogs.messages.front().icon, QMessageBox::Warning);
    QCOMPARE(ListLines(), QStringList{"g"});
    QCOMPARE(QString::fromStdString(*GetConstDefinition(0)), QStringLiteral("g=9.81"));
}

void EditWindowTest::usedConstantIsProtected_data() {
    QTest::addColumn<bool>("modify");
    QTest::newRow("Modify") << true;
    QTest::newRow("Delete") << false;
}

void EditWindowTest::usedConstantIsProtected() {
    QFETCH(bool, modify);
    Start();
    QVERIFY(DeclareConstants({{"cc=2", "used"}}));
    QVERIFY(DeclareFunctions({{"f(x)=x*cc", ""}}));
    OpenEditor(1);
    SelectLine(0);
    Type("cc=3", "changed");
    Click(modify ? FEdit->BModify : FEdit->BDelete);
    QCOMPARE(program_->dialogs.messages.size(), 1);
    QVERIFY(program_->dialogs.messages.front().text.startsWith(DependencyStart));
    QVERIFY(program_->dialogs.messages.front().text.endsWith(
        "(Annotation: This dependency check should avoid some fatal side-effects)"));
    QCOMPARE(ListLines(), QStringList{"cc"});
    QCOMPARE(QString::fromStdString(*GetConstDefinition(0)), QStringLiteral("cc=2"));
}

void EditWindowTest::fullTableRefusesTheAdd() {
    Start(QStringLiteral("[Parser]\nMaxFunc=1\n"));
    OpenEditor(0);
    Type("f(x)=x", "");
    Click(FEdit->BAdd);
    Click(FEdit->BAdd);
    QCOMPARE(program_->dialogs.MessageTexts(), QStringList{TableFull});
    QCOMPARE(FEdit->Liste->count(), 1);
}

void EditWindowTest::cancelAndEscapeDiscard_data() {
    QTest::addColumn<bool>("escape");
    QTest::newRow("Cancel") << false;
    QTest::newRow("Esc") << true;
}

void EditWindowTest::cancelAndEscapeDiscard() {
    QFETCH(bool, escape);
    Start();
    QVERIFY(DeclareFunctions({{"f(x)=x", ""}}));
    OpenEditor(0);
    SelectLine(0);
    Click(FEdit->BDelete);
    Type("g(x)=2*x", "");
    Click(FEdit->BAdd);
    if (escape) {
        // Esc asks before it throws changes away; the Cancel button does not.
        program_->dialogs.answers.push_back(QMessageBox::Ok);
        QTest::keyClick(FEdit->Liste, Qt::Key_Escape);
        QCOMPARE(program_->dialogs.MessageTexts(), QStringList{DiscardQuestion});
    } else {
        Click(FEdit->BCancel);
        QCOMPARE(program_->dialogs.messages.size(), 0);
    }
    QVERIFY(!FEdit->isVisible());
    QVERIFY(!FuncWorkOpen);
    QCOMPARE(FuncCount, 1);
    QCOMPARE(QString::fromStdString(*GetFuncDefinition(0)), QStringLiteral("f(x)=x"));
    // The next showing starts from the live table.
    OpenEditor(0);
    QCOMPARE(ListLines(), QStringList{"f(x)"});
}

// Clicks that reach the editor from the progress display's event processing while its commit runs.
class cClicksDuringCommit {
public:
    cClicksDuringCommit() : saved_(ProgressHook) { ProgressHook = Report; }
    ~cClicksDuringCommit() { ProgressHook = saved_; }
    cClicksDuringCommit(const cClicksDuringCommit&) = delete;
    cClicksDuringCommit& operator=(const cClicksDuringCommit&) = delete;

private:
    static void Report(std::uint16_t line, std::uint32_t activity, std::uint32_t total, std::uint32_t done) {
        if (activity == ActivityInterpreting && done == 1) {
            Click(FEdit->BAdd);
            Click(FEdit->BDone);
            Click(FEdit->BCancel);
            QTest::keyClick(FEdit->Liste, Qt::Key_Escape);
        }
        ProgressHandler(line, activity, total, done);
    }
    tProgressHook saved_;
};

void EditWindowTest::nothingStartsWhileACommitRuns() {
    Start();
    OpenEditor(1);
    Type("pp=1", "");
    Click(FEdit->BAdd);
    Type("qq=2", "");
    Click(FEdit->BAdd);
    {
        const cClicksDuringCommit clicks;
        Click(FEdit->BDone);
    }
    QCOMPARE(ConstCount, 2);
    QVERIFY(!ConstWorkOpen);
    QVERIFY(!FEdit->isVisible());
    QCOMPARE(program_->dialogs.messages.size(), 0);
}

void EditWindowTest::textsThatCannotBeStoredAreRefused_data() {
    QTest::addColumn<bool>("add");
    QTest::addColumn<QString>("definition");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("named");  // a part the warning must contain
    const QString euro = QString(QChar(0x20AC));
    QTest::newRow("euro sign in a definition, Add") << true << "e1=1" + euro << ""
                                                    << "\"" + euro + "\"";
    QTest::newRow("euro sign in a description, Modify") << false << "e1=1"
                                                        << "costs 5" + euro << "description";
    QTest::newRow("emoji in a definition, Add") << true << "x=1" + QString::fromUtf8("\xF0\x9F\x98\x80") << ""
                                                << "U+1F600";
    QTest::newRow("definition of 5000 characters") << true << "l=" + QString(4998, '1') << ""
                                                   << "4999";
    QTest::newRow("description of 4999 bytes with CR LF")
        << false << "e1=2" << QString(2500, 'a') + "\n" + QString(2499, 'b') << "description";
}

void EditWindowTest::textsThatCannotBeStoredAreRefused() {
    QFETCH(bool, add);
    QFETCH(QString, definition);
    QFETCH(QString, description);
    QFETCH(QString, named);
    Start();
    QVERIFY(DeclareConstants({{"e1=1", "first"}}));
    OpenEditor(1);
    if (!add) SelectLine(0);
    Type(definition, description);
    Click(add ? FEdit->BAdd : FEdit->BModify);
    QCOMPARE(program_->dialogs.messages.size(), 1);
    const QString warning = program_->dialogs.messages.front().text;
    QVERIFY2(warning.startsWith("Warning: ") && warning.contains(named), qPrintable(warning));
    QCOMPARE(ListLines(), QStringList{"e1"});
    QCOMPARE(WorkConstCount, 1);
    QCOMPARE(QString::fromStdString(*GetConstDescription(0)), QStringLiteral("first"));
}

void EditWindowTest::escapeWithoutChangesClosesAtOnce() {
    Start();
    QVERIFY(DeclareConstants({{"gn=9.81", ""}}));
    OpenEditor(1);
    SelectLine(0);
    QTest::keyClick(FEdit->Liste, Qt::Key_Escape);
    QVERIFY(!FEdit->isVisible());
    QCOMPARE(program_->dialogs.messages.size(), 0);
    // Text typed but not yet added counts as a change: Cancel in the question keeps the editor open.
    OpenEditor(1);
    QTest::keyClicks(FEdit->MDef, "xy=1");
    program_->dialogs.answers = {QMessageBox::Cancel};
    QTest::keyClick(FEdit->MDef, Qt::Key_Escape);
    QCOMPARE(program_->dialogs.MessageTexts(), QStringList{DiscardQuestion});
    QVERIFY(FEdit->isVisible());
}

void EditWindowTest::failedDoneSaysWhichDeclarationAndWhy() {
    Start();
    OpenEditor(0);
    Type("h(x)=x", "");
    Click(FEdit->BAdd);
    Type("g(x)=\n2*k(x)", "");
    Click(FEdit->BAdd);
    program_->dialogs.answers.push_back(QMessageBox::Ok);
    Click(FEdit->BDone);
    QCOMPARE(program_->dialogs.MessageTexts(), QStringList{CommitFailed});
    QCOMPARE(
        program_->dialogs.messages.front().detail,
        QStringLiteral("declaration 2 is invalid: g(x)=\r\n2*k(x)\nunknown function \"k\" at character 10"));
    QCOMPARE(FEdit->MDef->textCursor().selectedText(), QStringLiteral("k"));
}

void EditWindowTest::constantNamesNoFormulaCanReachAreWarnedAbout_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("definition");
    QTest::addColumn<QString>("warning");  // empty: none
    QTest::newRow("one letter")
        << 1 << "g = 9.81"
        << "Warning: The constant \"g\" can never be used in a formula: a name of one character "
           "is always read as a variable. The declaration is kept.";
    QTest::newRow("a digit in the name")
        << 1 << "c0=3"
        << "Warning: The constant \"c0\" can never be used in a formula: after its "
           "first character a name has only the letters a to z and \"_\". The "
           "declaration is kept.";
    QTest::newRow("a usable name") << 1 << "gn=9.81"
                                   << "";
    QTest::newRow("no declaration yet: Done says why") << 1 << "<definition>"
                                                       << "";
    QTest::newRow("a function") << 0 << "f(x)=x"
                                << "";
}

void EditWindowTest::constantNamesNoFormulaCanReachAreWarnedAbout() {
    QFETCH(int, mode);
    QFETCH(QString, definition);
    QFETCH(QString, warning);
    Start();
    OpenEditor(mode);
    Type(definition, "");
    Click(FEdit->BAdd);
    QCOMPARE(program_->dialogs.MessageTexts(), warning.isEmpty() ? QStringList() : QStringList{warning});
    QCOMPARE(FEdit->Liste->count(), 1);
}

void EditWindowTest::cancelledDoneClosesTheEditorAndKeepsTheLiveTable() {
    Start();
    QVERIFY(DeclareConstants({{"gn=9.81", ""}}));
    // As Edit > Constants shows it: no other window takes input, yet the progress window's Cancel does.
    FEdit->Mode = 1;
    FEdit->setWindowModality(Qt::ApplicationModal);
    program_->watchdog.LeaveOpen(FEdit);
    FEdit->show();
    Type("cc=3", "");
    Click(FEdit->BAdd);
    {
        const cDuringWork cancel(ClickCancel);
        Click(FEdit->BDone);
    }
    QCOMPARE(
        program_->dialogs.MessageTexts(),
        QStringList{"Error: Interpreting the declarations has been cancelled. Nothing has been changed."});
    QVERIFY(!FEdit->isVisible());
    QVERIFY(!ConstWorkOpen);
    QCOMPARE(ConstCount, 1);
    QTRY_VERIFY(FMain->isEnabled());
}

QTEST_MAIN(EditWindowTest)
#include "tst_edit_window.moc"

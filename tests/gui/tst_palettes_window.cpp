// SPDX-License-Identifier: GPL-3.0-or-later
// The palettes window: its four lists rebuilt from the engine, Paste onto the formula, and the
// definitions and descriptions shown in the info window.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "declaration_test_support.h"
#include "gui_test_support.h"
#include "windows/info_window.h"
#include "windows/main_window.h"
#include "windows/palettes_window.h"
#include "windows/plot_window.h"

namespace {

QStringList Lines(const QListWidget* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines.append(list->item(i)->text());
    return lines;
}

void Select(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

void OpenTab(int tab) {
    FPalettes->show();
    FPalettes->PageControl->setCurrentIndex(tab);
}

}  // namespace

class PalettesWindowTest : public cWindowTest {
    Q_OBJECT
private slots:
    void init();

    void listsShowShortNames_data();
    void listsShowShortNames();
    void builtinTemplates();
    void paste_data();
    void paste();
    void infoTexts_data();
    void infoTexts();
    void helpIsANote();
    void variablesShowTheValuesWhenShown();
    void loadersAndEditorRefreshAHiddenWindow();
    void theMainWindowsKeysWorkHereToo();

private:
};

void PalettesWindowTest::init() {
    cWindowTest::init();
    QVERIFY(DeclareConstants({{"gr = 9.81", "Earth"}, {"averylongconstant=1", "long"}}));
    QVERIFY(DeclareFunctions({{"f(x;y)=x^2+y", "a sum"}, {"longfunctionname(x;y)=x-y", "a difference"}}));
}

void PalettesWindowTest::listsShowShortNames_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("constants") << int(TFPalettes::ConstantsTab) << QStringList{"gr", "averylongc[...]"};
    QTest::newRow("user functions") << int(TFPalettes::UserFunctionsTab)
                                    << QStringList{"f(x;y)", "longfuncti[...]"};
}

void PalettesWindowTest::listsShowShortNames() {
    QFETCH(int, tab);
    QFETCH(QStringList, lines);
    OpenTab(tab);
    QCOMPARE(Lines(tab == TFPalettes::ConstantsTab ? FPalettes->LConst : FPalettes->LUserFunc), lines);
}

void PalettesWindowTest::builtinTemplates() {
    OpenTab(TFPalettes::BuiltinFunctionsTab);
    const QStringList lines = Lines(FPalettes->LBuiltinFunc);
    QCOMPARE(lines.size(), 19);
    QCOMPARE(lines.front(), QStringLiteral("ln(x)"));
    QCOMPARE(lines.mid(13), (QStringList{"pi()", "sum(<var '[...]", "pro(<var '[...]", "integral(<[...]",
                                         "derivative[...]", "solve(<var[...]"}));
}

void PalettesWindowTest::paste_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("row");  // -1: nothing selected
    QTest::addColumn<QString>("formula");
    QTest::newRow("constant") << int(TFPalettes::ConstantsTab) << 0 << "2*gr";
    QTest::newRow("user function, full name")
        << int(TFPalettes::UserFunctionsTab) << 1 << "2*longfunctionname(x;y)";
    QTest::newRow("built-in template, whole")
        << int(TFPalettes::BuiltinFunctionsTab) << 14 << "2*sum(<var 'a'-'z'>;<from>;<to>;<expression>)";
    QTest::newRow("nothing selected") << int(TFPalettes::ConstantsTab) << -1 << "2*";
}

void PalettesWindowTest::paste() {
    QFETCH(int, tab);
    QFETCH(int, row);
    QFETCH(QString, formula);
    FMain->EFormel->setText(QStringLiteral("2*"));
    OpenTab(tab);
    QListWidget* lists[] = {nullptr, FPalettes->LConst, FPalettes->LUserFunc, FPalettes->LBuiltinFunc};
    QPushButton* buttons[] = {nullptr, FPalettes->BConstPaste, FPalettes->BUserFuncPaste,
                              FPalettes->BBuiltinFuncPaste};
    if (row >= 0) Select(lists[tab], row);
    QTest::mouseClick(buttons[tab], Qt::LeftButton);
    QCOMPARE(FMain->EFormel->text(), formula);
}

void PalettesWindowTest::infoTexts_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");
    QTest::newRow("constant definition") << "BConstDef" << 0 << "Constant definition"
                                         << "gr = 9.81";
    QTest::newRow("constant description") << "BConstDesc" << 1 << "Constant description"
                                          << "long";
    QTest::newRow("function definition") << "BUserFuncDef" << 0 << "Function definition"
                                         << "f(x;y)=x^2+y";
    QTest::newRow("function description") << "BUserFuncDesc" << 1 << "Function description"
                                          << "a difference";
    QTest::newRow("nothing selected") << "BConstDef" << -1 << "Constant definition"
                                      << "";
}

void PalettesWindowTest::infoTexts() {
    QFETCH(QString, button);
    QFETCH(int, row);
    QFETCH(QString, caption);
    QFETCH(QString, text);
    const bool constant = button.startsWith("BConst");
    OpenTab(constant ? TFPalettes::ConstantsTab : TFPalettes::UserFunctionsTab);
    if (row >= 0) Select(constant ? FPalettes->LConst : FPalettes->LUserFunc, row);
    QString shownCaption;
    QString shownText;
    program_->watchdog.Expect(FInfoText);
    const cWhileShown look(FInfoText, FInfoText->BOk, [&] {
        shownCaption = FInfoText->windowTitle();
        shownText = FInfoText->MInfoText->toPlainText();
    });
    QTest::mouseClick(FPalettes->findChild<QPushButton*>(button), Qt::LeftButton);
    QCOMPARE(look.Shown(), 1);
    QVERIFY(!FInfoText->isVisible());
    QCOMPARE(shownCaption, caption);
    QCOMPARE(shownText, text);
}

void PalettesWindowTest::helpIsANote() {
    OpenTab(TFPalettes::BuiltinFunctionsTab);
    Select(FPalettes->LBuiltinFunc, 3);
    QTest::mouseClick(FPalettes->BBuiltinFuncDesc, Qt::LeftButton);
    QCOMPARE(program_->dialogs.MessageTexts(), QStringList{"Note: This feature is not implemented yet."});
    QCOMPARE(program_->dialogs.messages.front().icon, QMessageBox::Information);
    QCOMPARE(program_->dialogs.messages.front().caption, QStringLiteral("Information"));
}

void PalettesWindowTest::variablesShowTheValuesWhenShown() {
    OpenTab(TFPalettes::VariablesTab);
    QStringList lines = FPalettes->MVarState->toPlainText().split('\n');
    QCOMPARE(lines.size(), 26);
    QCOMPARE(lines.front(), QStringLiteral("a = 0"));
    QCOMPARE(lines.back(), QStringLiteral("z = 0"));

    FMain->MainTree()->SetVariable('b', 5);
    QCOMPARE(FPalettes->MVarState->toPlainText().split('\n').at(1), QStringLiteral("b = 0"));
    QTest::mouseClick(FPalettes->BRefresh, Qt::LeftButton);
    QCOMPARE(FPalettes->MVarState->toPlainText().split('\n').at(1), QStringLiteral("b = 5"));

    FMain->MainTree()->SetVariable('c', 0.5);
    FPalettes->PageControl->setCurrentIndex(TFPalettes::ConstantsTab);
    FPalettes->PageControl->setCurrentIndex(TFPalettes::VariablesTab);
    QCOMPARE(FPalettes->MVarState->toPlainText().split('\n').at(2), QStringLiteral("c = 0.5"));
}

void PalettesWindowTest::loadersAndEditorRefreshAHiddenWindow() {
    OpenTab(TFPalettes::ConstantsTab);
    FPalettes->hide();
    QVERIFY(DeclareConstants({{"extra=2", ""}}));
    QCOMPARE(FPalettes->LConst->count(), 2);
    FPalettes->SConstantsShow();
    QCOMPARE(Lines(FPalettes->LConst).back(), QStringLiteral("extra"));
    // Showing the window again rebuilds the active tab.
    QVERIFY(DeclareConstants({{"more=3", ""}}));
    FPalettes->show();
    QCOMPARE(FPalettes->LConst->count(), 4);
}

// F2 and the palette keys once did nothing while the palettes window had the keyboard.
void PalettesWindowTest::theMainWindowsKeysWorkHereToo() {
    FMain->EFormel->setText(QStringLiteral("6*7"));
    FPalettes->show();
    FPalettes->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(FPalettes));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
    QCOMPARE(FMain->LErgebnis->text(), QStringLiteral("42"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier | Qt::AltModifier);
    QTRY_VERIFY(FPlot->isVisible());
}

QTEST_MAIN(PalettesWindowTest)
#include "tst_palettes_window.moc"

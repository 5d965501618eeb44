// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands, driven through its real widgets, menu actions and shortcuts.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "engine/Parser_core.h"
#include "gui_test_support.h"

namespace {

void Calculate(const QString& formula) {
    FMain->EFormel->setText(formula);
    QTest::mouseClick(FMain->BCalculate, Qt::LeftButton);
}

double Variable(char letter) {
    return FMain->MainTree()->GetVariable(letter);
}

}  // namespace

class MainWindowTest : public cWindowTest {
    Q_OBJECT
private slots:

    void menuItems_data();
    void menuItems();
    void calculate_data();
    void calculate();
    void failedCalculationLeavesZeroForTheMemoryKeys();
    void memoryKeys_data();
    void memoryKeys();
    void storeSelector_data();
    void storeSelector();
    void delClearsWithTheCaretInTheFormula();
    void insCopiesWhatIsShown();
    void clearKeepsTheVariables();
    void sizes_data();
    void sizes();
    void sizeAlreadyCheckedChangesNothing();
    void palettesItems_data();
    void palettesItems();
    void modalWindows_data();
    void modalWindows();

private:
};

void MainWindowTest::menuItems_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    const auto row = [](const char* item, const char* menu, const char* caption, const char* keys) {
        QTest::newRow(item) << item << menu << caption << QKeySequence(QString::fromLatin1(keys));
    };
    row("File_Open", "File", "Open", "Ctrl+O");
    row("File_Save", "File", "Save", "Ctrl+S");
    row("Edit_Constants", "Edit", "Constants", "");
    row("Edit_Functions", "Edit", "Functions", "");
    row("Edit_Preferences", "Edit", "Preferences", "");
    row("Edit_Size_Tiny", "Size", "tiny", "");
    row("Edit_Size_Small", "Size", "small", "");
    row("Edit_Size_Normal", "Size", "normal", "");
    row("Edit_Calculate", "Edit", "Calculate", "F2");
    row("Edit_Clear", "Edit", "Clear", "Del");
    row("Edit_CopyResult", "Edit", "Copy result", "Ins");
    row("Palettes_Variables", "Palettes", "Variables", "Ctrl+Alt+V");
    row("Palettes_Constants", "Palettes", "Constants", "Ctrl+Alt+C");
    row("Palettes_Functions_user", "Palettes", "Functions (user-defined)", "Ctrl+Alt+F");
    row("Palettes_Functions_builtin", "Palettes", "Functions (built-in)", "Ctrl+Alt+B");
    row("Palettes_History", "Palettes", "History", "Ctrl+Alt+H");
    row("Edit_Angle_Radians", "Angle", "radians", "Ctrl+Alt+R");
    row("Edit_Angle_Degrees", "Angle", "degrees", "Ctrl+Alt+D");
    row("Edit_Angle_Grads", "Angle", "grads", "Ctrl+Alt+G");
    row("Edit_DigitGrouping", "Edit", "Digit grouping", "");
    row("Edit_RestoreSession", "Edit", "Restore session at start", "");
    row("Help_Dokumentation", "Help", "Documentation", "F1");
    row("Help_About", "Help", "About", "");
}

void MainWindowTest::menuItems() {
    QFETCH(QString, item);
    QFETCH(QString, menu);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);
    auto* action = FMain->findChild<QAction*>(item);
    QVERIFY(action);
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->shortcut(), shortcut);
    const auto* owner = qobject_cast<QMenu*>(action->parent());
    QVERIFY(owner);
    QCOMPARE(owner->title().remove(QLatin1Char('&')), menu);
}

void MainWindowTest::calculate_data() {
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("message");  // empty: no message box

    QTest::newRow("a sum") << "2+3"
                           << "5"
                           << "";
    QTest::newRow("a third") << "1/3"
                             << "0.333333333333333"
                             << "";
    QTest::newRow("syntax failure") << "2+"
                                    << "<ERROR>"
                                    << "parse error";
    QTest::newRow("unbalanced bracket") << "(2"
                                        << "<ERROR>"
                                        << "parse error";
    QTest::newRow("division by zero") << "1/0"
                                      << "<ERROR>"
                                      << "calc error";
    QTest::newRow("math library report, then its value") << "sqrt(-1)"
                                                         << "NAN"
                                                         << "sqrt: DOMAIN error";
    QTest::newRow("character above code 255") << QString::fromUtf8("2+\u03c0") << "<ERROR>"
                                              << "parse error";
    QTest::newRow("Latin-1 blank is dropped like any blank") << QString::fromUtf8("2\u00a0+3") << "5"
                                                             << "";
    QString longFormula = QStringLiteral("1");
    while (longFormula.size() < 6001)
        longFormula += QStringLiteral("+1");
    QTest::newRow("formula longer than 4999 characters is converted whole") << longFormula << "3001"
                                                                            << "";
}

void MainWindowTest::calculate() {
    QFETCH(QString, formula);
    QFETCH(QString, shown);
    QFETCH(QString, message);
    Calculate(formula);
    QCOMPARE(FMain->LErgebnis->text(), shown);
    if (message.isEmpty()) {
        QVERIFY(program_->dialogs.messages.isEmpty());
    } else {
        QCOMPARE(program_->dialogs.MessageTexts(), QStringList{message});
        QCOMPARE(program_->dialogs.messages.front().caption, QStringLiteral("Orvane"));
        if (shown == "<ERROR>") QCOMPARE(FMain->LastResult(), 0.0);
    }
    QVERIFY(FMain->BCalculate->isEnabled());
    QVERIFY(FMain->Edit_Calculate->isEnabled());
    QVERIFY(FMain->isEnabled());
}

void MainWindowTest::failedCalculationLeavesZeroForTheMemoryKeys() {
    Calculate("7");
    QTest::mouseClick(FMain->BM, Qt::LeftButton);
    Calculate("1/0");
    FMain->EStoreVar->setText("b");
    FMain->MainTree()->SetVariable('b', 9);
    QTest::mouseClick(FMain->BM, Qt::LeftButton);
    QCOMPARE(Variable('a'), 7.0);
    QCOMPARE(Variable('b'), 0.0);
    QCOMPARE(FMain->LErgebnis->text(), QStringLiteral("<ERROR>"));  // the keys change no text
}

void MainWindowTest::memoryKeys_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<double>("expected");
    // The variable holds 5 and the last result is 2.
    QTest::newRow("[M] stores") << "[M]" << 2.0;
    QTest::newRow("[M+] adds") << "[M+]" << 7.0;
    QTest::newRow("[M-] subtracts the result from the variable") << "[M-]" << 3.0;
}

void MainWindowTest::memoryKeys() {
    QFETCH(QString, key);
    QFETCH(double, expected);
    FMain->EStoreVar->setText("k");
    Calculate("5");
    QTest::mouseClick(FMain->BM, Qt::LeftButton);
    Calculate("2");
    QPushButton* button = key == "[M]" ? FMain->BM : key == "[M+]" ? FMain->BMplus : FMain->BMminus;
    QCOMPARE(button->text(), key);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(Variable('k'), expected);
    QCOMPARE(Variable('a'), 0.0);
}

void MainWindowTest::storeSelector_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>(
        "input");  // "up", "down", "Up key", "Down key", "backspace" or characters typed
    QTest::addColumn<QString>("expected");
    QTest::newRow("up arrow goes to the next letter") << "a"
                                                      << "up"
                                                      << "b";
    QTest::newRow("up arrow stops at z") << "z"
                                         << "up"
                                         << "z";
    QTest::newRow("down arrow goes to the previous letter") << "m"
                                                            << "down"
                                                            << "l";
    QTest::newRow("down arrow stops at a") << "a"
                                           << "down"
                                           << "a";
    QTest::newRow("Up key in the field") << "c"
                                         << "Up key"
                                         << "d";
    QTest::newRow("Down key in the field at a") << "a"
                                                << "Down key"
                                                << "a";
    QTest::newRow("typing a lower-case letter selects it") << "a"
                                                           << "q"
                                                           << "q";
    QTest::newRow("typing an upper-case letter gives a") << "m"
                                                         << "A"
                                                         << "a";
    QTest::newRow("typing a digit gives a") << "m"
                                            << "7"
                                            << "a";
    QTest::newRow("typing a blank gives a") << "m"
                                            << " "
                                            << "a";
    QTest::newRow("erasing the letter gives a") << "m"
                                                << "backspace"
                                                << "a";
}

void MainWindowTest::storeSelector() {
    QFETCH(QString, start);
    QFETCH(QString, input);
    QFETCH(QString, expected);
    auto* field = FMain->EStoreVar;
    field->setText(start);
    field->setFocus();
    if (input == "up") {
        QTest::mouseClick(FMain->BStoreVar->up, Qt::LeftButton);
    } else if (input == "down") {
        QTest::mouseClick(FMain->BStoreVar->down, Qt::LeftButton);
    } else if (input == "Up key") {
        QTest::keyClick(field, Qt::Key_Up);
    } else if (input == "Down key") {
        QTest::keyClick(field, Qt::Key_Down);
    } else if (input == "backspace") {
        field->end(false);
        QTest::keyClick(field, Qt::Key_Backspace);
    } else {
        field->selectAll();
        QTest::keyClicks(field, input);
    }
    QCOMPARE(field->text(), expected);
}

void MainWindowTest::delClearsWithTheCaretInTheFormula() {
    Calculate("4");
    FMain->EFormel->setText("123+4");
    FMain->EFormel->setFocus();
    FMain->EFormel->setCursorPosition(1);
    QTest::keyClick(FMain->EFormel, Qt::Key_Delete);
    QCOMPARE(FMain->EFormel->text(), QString());
    QCOMPARE(FMain->LErgebnis->text(), QStringLiteral("0"));
    QCOMPARE(FMain->LastResult(), 0.0);
    QCOMPARE(FMain->focusWidget(), FMain->EFormel);
}

void MainWindowTest::insCopiesWhatIsShown() {
    FMain->EFormel->setFocus();
    QTest::keyClick(FMain->EFormel, Qt::Key_Insert);
    QCOMPARE(program_->dialogs.clipboard, QStringLiteral("<result>"));
    FMain->EFormel->setText("2+3");
    QTest::keyClick(FMain->EFormel, Qt::Key_F2);
    QTest::keyClick(FMain->EFormel, Qt::Key_Insert);
    QCOMPARE(program_->dialogs.clipboard, QStringLiteral("5"));
    Calculate("1/0");
    QTest::keyClick(FMain->EStoreVar, Qt::Key_Insert);
    QCOMPARE(program_->dialogs.clipboard, QStringLiteral("<ERROR>"));
}

void MainWindowTest::clearKeepsTheVariables() {
    Calculate("6");
    QTest::mouseClick(FMain->BM, Qt::LeftButton);
    QTest::mouseClick(FMain->BClear, Qt::LeftButton);
    QCOMPARE(Variable('a'), 6.0);
    QCOMPARE(FMain->LErgebnis->text(), QStringLiteral("0"));
}

void MainWindowTest::sizes_data() {
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<int>("formulaWidth");
    QTest::newRow("tiny shows formula and result") << QStringList{"tiny"} << QSize(189, 61) << 177;
    QTest::newRow("small adds the keyboard box") << QStringList{"small"} << QSize(189, 188) << 177;
    QTest::newRow("tiny then normal restores the design size")
        << QStringList{"tiny", "normal"} << QSize(486, 188) << 474;
}

void MainWindowTest::sizes() {
    QFETCH(QStringList, items);
    QFETCH(QSize, client);
    QFETCH(int, formulaWidth);
    QAction* last = nullptr;
    for (const auto& item : items) {
        last = item == "tiny"    ? FMain->Edit_Size_Tiny
               : item == "small" ? FMain->Edit_Size_Small
                                 : FMain->Edit_Size_Normal;
        last->trigger();
    }
    QCOMPARE(FMain->centralWidget()->size(), client);
    QCOMPARE(FMain->width(), client.width());
    QCOMPARE(FMain->EFormel->width(), formulaWidth);
    for (auto* item : {FMain->Edit_Size_Tiny, FMain->Edit_Size_Small, FMain->Edit_Size_Normal})
        QCOMPARE(item->isChecked(), item == last);
}

void MainWindowTest::sizeAlreadyCheckedChangesNothing() {
    FMain->Edit_Size_Small->trigger();
    const QSize before = FMain->size();
    FMain->Edit_Size_Small->trigger();
    QCOMPARE(FMain->size(), before);
    QVERIFY(FMain->Edit_Size_Small->isChecked());
}

void MainWindowTest::palettesItems_data() {
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<int>("tab");
    QTest::newRow("Variables") << QKeySequence("Ctrl+Alt+V") << 0;
    QTest::newRow("Constants") << QKeySequence("Ctrl+Alt+C") << 1;
    QTest::newRow("Functions (user-defined)") << QKeySequence("Ctrl+Alt+F") << 2;
    QTest::newRow("Functions (built-in)") << QKeySequence("Ctrl+Alt+B") << 3;
}

void MainWindowTest::palettesItems() {
    QFETCH(QKeySequence, shortcut);
    QFETCH(int, tab);
    FMain->EFormel->setFocus();
    QTest::keySequence(FMain->EFormel, shortcut);
    QVERIFY(FPalettes->isVisible());
    QCOMPARE(FPalettes->PageControl->currentIndex(), tab);
}

void MainWindowTest::modalWindows_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("editorMode");  // -1: not the editor
    QTest::newRow("Edit > Constants") << "Constants"
                                      << "Edit constants" << 1;
    QTest::newRow("Edit > Functions") << "Functions"
                                      << "Edit functions" << 0;
    QTest::newRow("Edit > Preferences") << "Preferences"
                                        << "Preferences" << -1;
    QTest::newRow("Help > About") << "About"
                                  << "About Orvane" << -1;
}

void MainWindowTest::modalWindows() {
    QFETCH(QString, item);
    QFETCH(QString, caption);
    QFETCH(int, editorMode);
    QAction* action = item == "Constants"     ? FMain->Edit_Constants
                      : item == "Functions"   ? FMain->Edit_Functions
                      : item == "Preferences" ? FMain->Edit_Preferences
                                              : FMain->Help_About;
    for (QWidget* window : std::initializer_list<QWidget*>{FEdit, FConfig, FCredits})
        program_->watchdog.Expect(window);
    action->trigger();
    QCOMPARE(program_->watchdog.Closed(), QStringList{caption});
    if (editorMode >= 0) QCOMPARE(int(FEdit->Mode), editorMode);
}

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The main window from the keyboard: Enter, the formula history across runs, the keyboard back in the
// formula after the memory keys, a stale result, the controls' names and tooltips, and the colours on
// a dark palette.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "gui_test_support.h"
#include "shared/theme_colors.h"
#include "windows/progress_window.h"

namespace {

void Press(int key) {
    QTest::keyClick(FMain->EFormel, static_cast<Qt::Key>(key));
}

QColor ResultShownIn() {
    return FMain->LErgebnis->palette().color(QPalette::WindowText);
}

}  // namespace

class KeyboardFlowTest : public cWindowTest {
    Q_OBJECT
private slots:
    void init();

    void enterCalculates_data();
    void enterCalculates();
    void theFirstFormulaTypedReplacesThePlaceholder();
    void upAndDownWalkThroughTheFormulasOfThisAndEarlierRuns();
    void memoryKeysSayWhatTheyStoredAndGiveTheKeyboardBack_data();
    void memoryKeysSayWhatTheyStoredAndGiveTheKeyboardBack();
    void aResultTurnsGreyWhenItsFormulaChanges();
    void everyControlSaysWhatItDoesAndItsKeys();
    void darkPaletteKeepsTheColoursReadable();

private:
};

void KeyboardFlowTest::init() {
    cWindowTest::init();
    FMain->EFormel->setFocus();
}

void KeyboardFlowTest::enterCalculates_data() {
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << Qt::KeyboardModifiers() << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << Qt::KeyboardModifiers(Qt::KeypadModifier) << int(Qt::Key_Enter);
}

void KeyboardFlowTest::enterCalculates() {
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, key);
    FMain->EFormel->setText("6*7");
    QTest::keyClick(FMain->EFormel, static_cast<Qt::Key>(key), modifiers);
    QCOMPARE(FMain->LErgebnis->text(), QStringLiteral("42"));
    // Disabled while the engine worked, the window gives the keyboard back to the formula.
    QCOMPARE(QApplication::focusWidget(), FMain->EFormel);
}

void KeyboardFlowTest::upAndDownWalkThroughTheFormulasOfThisAndEarlierRuns() {
    for (const char* formula : {"6*7", "1/0", "1/0", "2+"})
        TypeAndCalculate(formula);
    program_->dialogs.messages.clear();
    program_->Restart();
    TypeAndCalculate("2+2");
    FMain->EFormel->setText("being typed");
    const QStringList walk = {"Up", "Up", "Up", "Up", "Up", "Down", "Down", "Down", "Down", "Down"};
    const QStringList shown = {"2+2", "2+", "1/0", "6*7",         "6*7",
                               "1/0", "2+", "2+2", "being typed", "being typed"};
    for (int i = 0; i < walk.size(); ++i) {
        Press(walk[i] == "Up" ? Qt::Key_Up : Qt::Key_Down);
        QCOMPARE(FMain->EFormel->text(), shown[i]);
    }
}

void KeyboardFlowTest::memoryKeysSayWhatTheyStoredAndGiveTheKeyboardBack_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    // The variable k holds 5 and the last result is 2.
    QTest::newRow("[M]") << "[M]"
                         << "k = 2";
    QTest::newRow("[M+]") << "[M+]"
                          << "k = 7";
    QTest::newRow("[M-]") << "[M-]"
                          << "k = 3";
    QTest::newRow("Clear") << "Clear"
                           << "";
}

void KeyboardFlowTest::memoryKeysSayWhatTheyStoredAndGiveTheKeyboardBack() {
    QFETCH(QString, key);
    QFETCH(QString, stored);
    FMain->EStoreVar->setText("k");
    FMain->MainTree()->SetVariable('k', 5);
    TypeAndCalculate("2");
    QCOMPARE(FMain->LStore->text(), QString());
    for (QPushButton* button : {FMain->BM, FMain->BMplus, FMain->BMminus, FMain->BClear})
        if (button->text() == key) QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(FMain->LStore->text(), stored);
    QCOMPARE(QApplication::focusWidget(), FMain->EFormel);
    QCOMPARE(FMain->EFormel->selectedText(), FMain->EFormel->text());  // the next formula replaces it
}

void KeyboardFlowTest::theFirstFormulaTypedReplacesThePlaceholder() {
    QTest::keyClicks(FMain->EFormel, "6*7");
    Press(Qt::Key_Return);
    QCOMPARE(FMain->LErgebnis->text(), QStringLiteral("42"));
}

void KeyboardFlowTest::aResultTurnsGreyWhenItsFormulaChanges() {
    const QColor blue(Qt::blue);
    QCOMPARE(ResultShownIn(), blue);
    TypeAndCalculate("2+3");
    QTest::keyClicks(FMain->EFormel, "*4");
    QVERIFY(ResultShownIn() != blue);
    QCOMPARE(FMain->LErgebnis->text(), QStringLiteral("5"));
    QCOMPARE(FMain->LErgebnis->accessibleDescription(), QStringLiteral("belongs to an earlier formula"));
    Press(Qt::Key_Return);
    QCOMPARE(FMain->LErgebnis->text(), QStringLiteral("14"));
    QCOMPARE(ResultShownIn(), blue);
}

void KeyboardFlowTest::everyControlSaysWhatItDoesAndItsKeys() {
    const std::pair<QWidget*, const char*> controls[] = {
        {FMain->EFormel, "Enter"},      {FMain->LErgebnis, "Ins"},  {FMain->EStoreVar, "Up and Down"},
        {FMain->BStoreVar->up, "Up"},   {FMain->BM, "[M]"},         {FMain->BMplus, "[M+]"},
        {FMain->BMminus, "[M-]"},       {FMain->BCalculate, "F2"},  {FMain->BClear, "Del"},
        {FMain->MState, "Preferences"}, {FProgress->BCancel, "Esc"}};
    for (const auto& [control, keys] : controls) {
        QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
        QVERIFY2(control->toolTip().contains(QLatin1String(keys)), qPrintable(control->toolTip()));
    }
    // The letter field and its arrows are one control to a screen reader.
    QCOMPARE(FMain->BStoreVar->down->accessibleName(), FMain->EStoreVar->accessibleName());
}

void KeyboardFlowTest::darkPaletteKeepsTheColoursReadable() {
    // The ratio as the accessibility guidelines compute it: 21 for black on white, 8.59 for blue.
    QCOMPARE(qRound(ContrastRatio(Qt::black, Qt::white) * 100), 2100);
    QCOMPARE(qRound(ContrastRatio(Qt::blue, Qt::white) * 100), 859);
    const QPalette light = QApplication::palette();
    QCOMPARE(FMain->MState->palette().color(QPalette::Base), QColor(0xc0, 0xc0, 0xc0));
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x2d, 0x2d, 0x2d));
    dark.setColor(QPalette::WindowText, QColor(0xe0, 0xe0, 0xe0));
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    dark.setColor(QPalette::Text, QColor(0xe0, 0xe0, 0xe0));
    // The widgets hear of a new application palette through posted events.
    QApplication::setPalette(dark);
    QCoreApplication::processEvents();
    const QPalette result = FMain->LErgebnis->palette();
    const QPalette state = FMain->MState->palette();
    QApplication::setPalette(light);
    QCoreApplication::processEvents();
    QVERIFY(ContrastRatio(result.color(QPalette::WindowText), result.color(QPalette::Window)) >= 4.5);
    QVERIFY(ContrastRatio(state.color(QPalette::Text), state.color(QPalette::Base)) >= 4.5);
    // The same meaning: the result is still blue, the engine state a panel set off from the window.
    QCOMPARE(result.color(QPalette::WindowText).hue(), QColor(0x8a, 0xb4, 0xf8).hue());
    QVERIFY(state.color(QPalette::Base) != dark.color(QPalette::Window));
    QCOMPARE(FMain->MState->palette().color(QPalette::Base), QColor(0xc0, 0xc0, 0xc0));
}

QTEST_MAIN(KeyboardFlowTest)
#include "tst_keyboard_flow.moc"

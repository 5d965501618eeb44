// SPDX-License-Identifier: GPL-3.0-or-later
// What a failed calculation says: the parse error's detail and the characters it selects, the kind of
// a calc error, and the math library's reports counted within a calculation.
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "gui_test_support.h"
#include "shared/dialogs.h"

class FailureDetailsTest : public cWindowTest {
    Q_OBJECT
private slots:

    void parseErrorSaysWhatAndSelectsWhere_data();
    void parseErrorSaysWhatAndSelectsWhere();
    void calcErrorNamesItsKind_data();
    void calcErrorNamesItsKind();
    void mathReportsShowOncePerKindAndCountTheRest_data();
    void mathReportsShowOncePerKindAndCountTheRest();
    void messageBoxesAreWideEnoughToRead();

private:
};

void FailureDetailsTest::parseErrorSaysWhatAndSelectsWhere_data() {
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("detail");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<int>("caret");
    const auto row = [](const char* name, const QString& formula, const char* detail, const QString& selected,
                        int caret) { QTest::newRow(name) << formula << detail << selected << caret; };
    row("unknown function", "2+foo(3)", "unknown function \"foo\" at character 3", "foo", 5);
    row("unknown constant", "2*xyz", "unknown constant \"xyz\" at character 3", "xyz", 5);
    row("bracket without partner", "2*(3+4", "bracket without partner at character 3", "(", 3);
    row("number not understood", "1.2.3+1", "number \"1.2.3\" not understood at character 1", "1.2.3", 5);
    row("operand missing", "2+", "operand missing at character 3", "", 2);
    row("wrong number of arguments", "sqrt(1;2)", "wrong number of arguments for \"sqrt\" at character 1",
        "sqrt(1;2)", 9);
    row("places counted as typed", "sum( 'i' ; 1 ; 2 ; i ) + foo(1)",
        "unknown function \"foo\" at character 26", "foo", 28);
    const QString nested = QString(1000, '(') + "1" + QString(1000, ')');
    row("nested too deeply: the first level too many", QString(5000, '(') + nested + QString(5000, ')'),
        "formula nested too deeply", nested, 7001);
    row("character above code 255", QString::fromUtf8("2+\u03c0"),
        "character \"\u03c0\" (U+03C0) not understood at character 3", QString::fromUtf8("\u03c0"), 3);
}

void FailureDetailsTest::parseErrorSaysWhatAndSelectsWhere() {
    QFETCH(QString, formula);
    QFETCH(QString, detail);
    QFETCH(QString, selected);
    QFETCH(int, caret);
    TypeAndCalculate(formula);
    QCOMPARE(program_->dialogs.MessageTexts(), QStringList{"parse error"});
    QCOMPARE(program_->dialogs.messages.front().detail, detail);
    QCOMPARE(FMain->LErgebnis->text(), QStringLiteral("<ERROR>"));
    QCOMPARE(FMain->EFormel->selectedText(), selected);
    QCOMPARE(FMain->EFormel->cursorPosition(), caret);
    QVERIFY(FMain->EFormel->hasFocus());
}

void FailureDetailsTest::calcErrorNamesItsKind_data() {
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("detail");
    QTest::newRow("division by zero") << "1/0"
                                      << "division by zero";
    QTest::newRow("invalid operation") << "0/0"
                                       << "invalid operation";
    QTest::newRow("overflow") << "1E300*1E300"
                              << "overflow";
}

void FailureDetailsTest::calcErrorNamesItsKind() {
    QFETCH(QString, formula);
    QFETCH(QString, detail);
    TypeAndCalculate(formula);
    QCOMPARE(program_->dialogs.MessageTexts(), QStringList{"calc error"});
    QCOMPARE(program_->dialogs.messages.front().detail, detail);
}

void FailureDetailsTest::mathReportsShowOncePerKindAndCountTheRest_data() {
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("one report") << "sqrt(-1)" << QStringList{"sqrt: DOMAIN error"};
    QTest::newRow("a thousand of one kind")
        << "sum('i';1;1000;sqrt(0-i))" << QStringList{"sqrt: DOMAIN error", "sqrt: DOMAIN error, 1000 times"};
    QTest::newRow("two kinds, then a calc error")
        << "sum('i';1;3;sqrt(0-i)+ln(0))+1/0"
        << QStringList{"sqrt: DOMAIN error", "log: SING error",
                       "sqrt: DOMAIN error, 3 times\nlog: SING error, 3 times", "calc error"};
}

void FailureDetailsTest::mathReportsShowOncePerKindAndCountTheRest() {
    QFETCH(QString, formula);
    QFETCH(QStringList, boxes);
    TypeAndCalculate(formula);
    QCOMPARE(program_->dialogs.MessageTexts(), boxes);
    // Each calculation counts anew.
    program_->dialogs.messages.clear();
    TypeAndCalculate(formula);
    QCOMPARE(program_->dialogs.MessageTexts(), boxes);
}

// A short message once made a box about 130 pixels wide: the caption cut to "O…e", the sentence
// wrapped over several lines.
void FailureDetailsTest::messageBoxesAreWideEnoughToRead() {
    const auto box = MakeMessageBox(nullptr, QMessageBox::Critical, QStringLiteral("Error"),
                                    QStringLiteral("calc error: overflow"), QMessageBox::Ok);
    box->setWindowModality(Qt::NonModal);  // measured, not answered
    box->show();
    QVERIFY(QTest::qWaitForWindowExposed(box.get()));
    QVERIFY2(box->width() >= box->fontMetrics().averageCharWidth() * 40,
             qPrintable(QString::number(box->width())));
    const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    QVERIFY(label && label->height() < 2 * label->fontMetrics().height());
}

QTEST_MAIN(FailureDetailsTest)
#include "tst_failure_details.moc"

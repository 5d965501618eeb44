// SPDX-License-Identifier: GPL-3.0-or-later
// The History window, the angle switch, digit grouping, and what is kept for the next start: the
// session when asked, the changed declarations when the program ends on a signal.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "common/formula_history.h"
#include "declaration_test_support.h"
#include "engine/Parser_core.h"
#include "gui_test_support.h"
#include "shared/formula_recall.h"

namespace {

QString SettingsText() {
    QFile file(FMain->SettingsFilePath());
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

}  // namespace

class HistoryAndOptionsTest : public cWindowTest {
    Q_OBJECT
private slots:
    void historyWindowRecallsPastesAndClears();
    void angleSwitchRecalculatesAndIsKept();
    void digitGroupingShowsBlanksAndCopiesWithout();
    void sessionComesBackOnlyWhenAsked();
    void changedDeclarationsAreOfferedAfterASignal();
};

void HistoryAndOptionsTest::historyWindowRecallsPastesAndClears() {
    TypeAndCalculate(QStringLiteral("6*7"));
    TypeAndCalculate(QStringLiteral("2^10"));
    FMain->Palettes_History->trigger();
    QVERIFY(FHistory->isVisible());
    QCOMPARE(FHistory->LHistory->count(), 2);
    QCOMPARE(FHistory->LHistory->item(1)->text(), QStringLiteral("2^10 = 1024"));

    FHistory->LHistory->setCurrentRow(0);
    QTest::keyClick(FHistory->LHistory, Qt::Key_Return);
    QCOMPARE(FMain->EFormel->text(), QStringLiteral("6*7"));
    FMain->EFormel->setText(QStringLiteral("1+"));
    QApplication::setActiveWindow(FHistory);
    QTest::keyClick(FHistory->LHistory, Qt::Key_Insert);
    QCOMPARE(FMain->EFormel->text(), QStringLiteral("1+42"));
    TypeAndCalculate(QStringLiteral("1+42"));
    QCOMPARE(FHistory->LHistory->item(2)->text(), QStringLiteral("1+42 = 43"));

    // The same history as Up, kept for the next start, and cleared for both.
    program_->Restart();
    FMain->Palettes_History->trigger();
    QCOMPARE(FHistory->LHistory->count(), 3);
    program_->dialogs.answers.push_back(QMessageBox::Yes);
    QTest::mouseClick(FHistory->BClear, Qt::LeftButton);
    QCOMPARE(FHistory->LHistory->count(), 0);
    QVERIFY(SharedFormulaHistory().Entries().empty());
}

void HistoryAndOptionsTest::angleSwitchRecalculatesAndIsKept() {
    TypeAndCalculate(QStringLiteral("sin(90)"));
    QCOMPARE(FMain->LErgebnis->text(), QStringLiteral("1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(FMain->LErgebnis->text(), QStringLiteral("0.893996663600558"));
    QVERIFY(FMain->MState->toPlainText().contains(QStringLiteral("flags > rad")));
    QVERIFY(SettingsText().contains(QStringLiteral("AngleMode=0")));
    program_->Restart();
    QCOMPARE(AngleMode, 0);
    QVERIFY(FMain->Edit_Angle_Radians->isChecked());
}

void HistoryAndOptionsTest::digitGroupingShowsBlanksAndCopiesWithout() {
    TypeAndCalculate(QStringLiteral("1234567*1000"));
    QCOMPARE(FMain->LErgebnis->text(), QStringLiteral("1234567000"));
    FMain->Edit_DigitGrouping->trigger();
    QCOMPARE(FMain->LErgebnis->text(), QStringLiteral("1 234 567 000"));
    FMain->Edit_CopyResult->trigger();
    QCOMPARE(program_->dialogs.clipboard, QStringLiteral("1234567000"));
    QVERIFY(SettingsText().contains(QStringLiteral("[Desktop]\nDigitGrouping=1")));
    program_->Restart();
    TypeAndCalculate(QStringLiteral("-1234.5"));
    QCOMPARE(FMain->LErgebnis->text(), QStringLiteral("-1 234.5"));
}

void HistoryAndOptionsTest::sessionComesBackOnlyWhenAsked() {
    const auto keepAndRestart = [this](std::initializer_list<QMessageBox::StandardButton> answers) {
        TypeAndCalculate(QStringLiteral("6*7"));
        QTest::mouseClick(FMain->BM, Qt::LeftButton);
        QVERIFY(DeclareConstants({{"kk=3", "kept"}}));
        for (auto answer : answers)
            program_->dialogs.answers.push_back(answer);
        QVERIFY(FMain->close());
        program_->Restart();
        FMain->RestoreAtStart();
    };
    keepAndRestart({QMessageBox::Discard});
    QCOMPARE(FMain->MainTree()->GetVariable('a'), 0.0);
    QCOMPARE(ConstantDeclarations.count(), 0);

    FMain->Edit_RestoreSession->trigger();
    keepAndRestart({QMessageBox::Discard});
    QCOMPARE(FMain->MainTree()->GetVariable('a'), 42.0);
    QCOMPARE(ConstantDeclarations.count(), 1);
    TypeAndCalculate(QStringLiteral("kk*2"));
    QCOMPARE(FMain->LErgebnis->text(), QStringLiteral("6"));
    QVERIFY(FMain->close());  // restored declarations count as saved: no question
}

void HistoryAndOptionsTest::changedDeclarationsAreOfferedAfterASignal() {
    QVERIFY(DeclareFunctions({{"ff(x)=x*2", ""}}));
    FMain->KeepBeforeTermination();
    program_->Restart();
    program_->dialogs.answers.push_back(QMessageBox::Yes);
    FMain->RestoreAtStart();
    QCOMPARE(FunctionDeclarations.count(), 1);
    QVERIFY(program_->dialogs.MessageTexts().first().contains(QStringLiteral("changed functions")));
    // Still unsaved: closing asks. The copy is offered once.
    program_->dialogs.answers.push_back(QMessageBox::Cancel);
    QVERIFY(!FMain->close());
    program_->Restart();
    FMain->RestoreAtStart();
    QCOMPARE(FunctionDeclarations.count(), 0);
}

QTEST_MAIN(HistoryAndOptionsTest)
#include "tst_history_and_options.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// Puts one of the windows of the program into the state shown in docs/ for a screenshot, then keeps
// running until it is killed: "palettes", "editor", "preferences", "about", "info", "history" or "plot".
// scripts/window_screenshots.sh runs it under Xvfb and takes the pictures.
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include "engine/Parser_core.h"
#include "scene_palette.h"
#include "shared/app_icon.h"
#include "windows/app_windows.h"

namespace {

void DeclareExamples() {
    BeginConstWork();
    AddConstant("gr = 9.80665", "Standard gravity in m/s^2");
    AddConstant("c0 = 299792458", "Speed of light in vacuum, m/s");
    AddConstant("avogadro = 6.02214076E23", "Avogadro constant, 1/mol");
    CommitConstWork();
    BeginFuncWork();
    AddFunction("hyp(x; y) = sqrt(x^2+y^2)", "Hypotenuse of a right triangle");
    AddFunction("fall(t) = gr*t^2/2", "Distance fallen after t seconds");
    CommitFuncWork();
}

void ShowScene(const QString& scene) {
    if (scene == QLatin1String("palettes")) {
        FPalettes->move(520, 0);
        FPalettes->show();
        FPalettes->PageControl->setCurrentIndex(TFPalettes::ConstantsTab);
        FPalettes->LConst->setCurrentRow(2);
    } else if (scene == QLatin1String("editor")) {
        FEdit->Mode = 1;
        FEdit->move(40, 20);
        FEdit->open();
        FEdit->Liste->setCurrentRow(2);
    } else if (scene == QLatin1String("preferences")) {
        FConfig->move(40, 20);
        FConfig->open();
    } else if (scene == QLatin1String("about")) {
        FCredits->move(40, 20);
        FCredits->open();
    } else if (scene == QLatin1String("info")) {
        FInfoText->setWindowTitle(QStringLiteral("Function definition"));
        FInfoText->MInfoText->setPlainText(QStringLiteral("hyp(x; y) = sqrt(x^2+y^2)"));
        FInfoText->move(40, 20);
        FInfoText->open();
    } else if (scene == QLatin1String("history")) {
        for (const char* formula : {"6*7", "sum('i';1;100;i^2)", "sqrt(2)", "hyp(3;4)", "fall(3)"}) {
            FMain->EFormel->setText(QString::fromLatin1(formula));
            FMain->Edit_CalculateClick();
        }
        FMain->EFormel->setText(QStringLiteral("hyp(3;4)"));
        FHistory->move(0, 0);
        FHistory->show();
        FHistory->LHistory->setCurrentRow(3);
    } else if (scene == QLatin1String("plot")) {
        FPlot->move(0, 0);
        FPlot->resize(790, 540);
        FPlot->EFunction[1]->setText(QStringLiteral("x^3/20-x"));
        FPlot->EFunction[2]->setText(QStringLiteral("sqrt(16-x^2)"));
        FPlot->EFrom->setText(QStringLiteral("-6"));
        FPlot->ETo->setText(QStringLiteral("6"));
        FPlot->OfferFormula(QStringLiteral("1/(x-2)"));
        const QPointF at(FPlot->Canvas->xAxis->coordToPixel(3), FPlot->Canvas->yAxis->coordToPixel(1));
        QMouseEvent move(QEvent::MouseMove, at, FPlot->Canvas->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(FPlot->Canvas, &move);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvane"));
    UseScenePalette();
    QApplication::setWindowIcon(ApplicationIcon());
    const QString scene = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("palettes");
    // The scenes' formulas go into a history of their own, not the user's.
    const QTemporaryDir data;
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    cAppWindows windows(QApplication::applicationDirPath());
    DeclareExamples();
    FMain->move(0, 0);
    FMain->EFormel->setText(QStringLiteral("fall(3)+hyp(3;4)*"));
    if (scene == QLatin1String("palettes")) FMain->show();
    QTimer::singleShot(200, [scene] { ShowScene(scene); });
    return QApplication::exec();
}

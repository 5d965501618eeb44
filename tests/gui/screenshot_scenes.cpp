// SPDX-License-Identifier: GPL-3.0-or-later
// Puts the program's windows into the states shown in docs/ for a screenshot, then keeps running
// until it is killed. "main": a finished calculation; "progress": a long calculation under way;
// "tiny" and "small": the smaller window sizes; "error": a parse error's box with its detail;
// "stale": a result whose formula has changed since; "stored": a memory key's feedback.
// scripts/screenshots.sh runs it under Xvfb and takes the pictures.
#include <QApplication>
#include <QLineEdit>
#include <QTimer>

#include "scene_palette.h"
#include "windows/app_windows.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvane"));
    UseScenePalette();
    const QString scene = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("main");
    cAppWindows windows(QApplication::applicationDirPath());
    FMain->move(0, 0);
    FMain->show();
    if (scene == QLatin1String("progress")) {
        FMain->EFormel->setText(QStringLiteral("sum('i';1;2000000000;sum('j';1;i;j^2))"));
        QTimer::singleShot(300, FMain, &TFMain::Edit_CalculateClick);
    } else if (scene == QLatin1String("error")) {
        FMain->EFormel->setText(QStringLiteral("2*(3+4"));
        QTimer::singleShot(300, FMain, &TFMain::Edit_CalculateClick);
    } else if (scene == QLatin1String("stale") || scene == QLatin1String("stored")) {
        FMain->EFormel->setText(QStringLiteral("6*7"));
        FMain->Edit_CalculateClick();
        if (scene == QLatin1String("stored")) FMain->BMClick();
        if (scene == QLatin1String("stale")) FMain->EFormel->setText(QStringLiteral("6*7+1"));
    } else if (scene == QLatin1String("tiny") || scene == QLatin1String("small")) {
        (scene == QLatin1String("tiny") ? FMain->Edit_Size_Tiny : FMain->Edit_Size_Small)->trigger();
        FMain->EFormel->setText(QStringLiteral("2^60"));
        FMain->Edit_CalculateClick();
    } else {
        FMain->EFormel->setText(QStringLiteral("integral('x';0;1;x^2)*3+sqrt(2)"));
        FMain->Edit_CalculateClick();
    }
    return QApplication::exec();
}

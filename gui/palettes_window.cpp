#include "palettes_window.h"

#include <QTabWidget>

#include "app_texts.h"

TFPalettes* FPalettes = nullptr;

TFPalettes::TFPalettes() : QWidget(nullptr, Qt::Tool) {
    setWindowTitle(QStringLiteral("Palettes"));
    setFont(DialogFont());
    setFixedSize(243, 203);
    move(260, 192);

    PageControl = new QTabWidget(this);
    PageControl->setGeometry(0, 0, 241, 201);
    SVariables = new QWidget;
    SConstants = new QWidget;
    SUserFunc = new QWidget;
    SBuiltinFunc = new QWidget;
    PageControl->addTab(SVariables, QStringLiteral("Variables"));
    PageControl->addTab(SConstants, QStringLiteral("Constants"));
    PageControl->addTab(SUserFunc, QStringLiteral("F(x) user"));
    PageControl->addTab(SBuiltinFunc, QStringLiteral("F(x) built-in"));
    PageControl->setCurrentIndex(BuiltinFunctionsTab);
}

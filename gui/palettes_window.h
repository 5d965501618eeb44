// The palettes tool window: variables, constants, user functions and built-in function templates.
#pragma once

#include <QWidget>

class QTabWidget;

class TFPalettes : public QWidget {
    Q_OBJECT
public:
    TFPalettes();

    // Tab indexes, as the Palettes menu selects them.
    enum Tab { VariablesTab = 0, ConstantsTab = 1, UserFunctionsTab = 2, BuiltinFunctionsTab = 3 };

    QTabWidget* PageControl;
    QWidget* SVariables;
    QWidget* SConstants;
    QWidget* SUserFunc;
    QWidget* SBuiltinFunc;
};

extern TFPalettes* FPalettes;

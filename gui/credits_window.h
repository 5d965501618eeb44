// The about box.
#pragma once

#include <QDialog>

class TFCredits : public QDialog {
    Q_OBJECT
public:
    TFCredits();
};

extern TFCredits* FCredits;

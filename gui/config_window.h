// The preferences dialog: edits the settings file for the next start.
#pragma once

#include <QDialog>

class TFConfig : public QDialog {
    Q_OBJECT
public:
    TFConfig();
};

extern TFConfig* FConfig;

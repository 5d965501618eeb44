// The info text window: one text under a caption chosen by its caller.
#pragma once

#include <QDialog>

class TFInfoText : public QDialog {
    Q_OBJECT
public:
    TFInfoText();
};

extern TFInfoText* FInfoText;

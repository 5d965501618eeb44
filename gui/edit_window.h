// The declaration editor: edits the constants or the user functions in a working copy.
#pragma once

#include <QDialog>
#include <cstdint>

class TFEdit : public QDialog {
    Q_OBJECT
public:
    TFEdit();

    // 0: the editor works on user functions; 1: on constants. Set before showing.
    std::uint8_t Mode = 0;
};

extern TFEdit* FEdit;

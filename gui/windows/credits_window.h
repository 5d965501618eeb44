// SPDX-License-Identifier: GPL-3.0-or-later
// The about box.
#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;

class TFCredits : public QDialog {
    Q_OBJECT
public:
    TFCredits();

    void BOkClick();

    QLabel* IIcon;
    QLabel* ILogo;
    QGroupBox* GroupBox1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QPushButton* BOk;
};

extern TFCredits* FCredits;

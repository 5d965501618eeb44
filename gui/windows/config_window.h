// SPDX-License-Identifier: GPL-3.0-or-later
// The preferences dialog: edits the settings file for the next start. It shows what the file holds,
// not what the running engine uses, and writes only the file.
#pragma once

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TFConfig : public QDialog {
    Q_OBJECT
public:
    // programFolder: the folder of the running executable. The file shown and the one OK writes follow
    // from it (program_files.h) and are looked up at each use: an installed program shows the system-wide
    // default while its user has no file, and the first OK makes one.
    explicit TFConfig(const QString& programFolder);

    void FormShow();
    void BOkClick();
    void BCancelClick();

    QGroupBox* GroupBox2;
    QGroupBox* RAngleMode;
    QButtonGroup* RAngleModeItems;  // item index = AngleMode
    QGroupBox* GroupBox1;
    QLabel* Label9;
    QLineEdit* EMaxConst;
    QLabel* Label10;
    QLineEdit* EMaxFunc;
    QLabel* Label11;
    QLineEdit* ERefAlloc;
    QLabel* Label1;
    QPushButton* BOk;
    QPushButton* BCancel;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildAngleGroup();
    void BuildParserGroup();

    QString programFolder_;
};

extern TFConfig* FConfig;

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
    // settingsFile: the settings file the dialog shows; settingsFileToWrite: the one OK writes (the same
    // file, but for an installed program whose user has none yet: then the system-wide default is shown).
    TFConfig(const QString& settingsFile, const QString& settingsFileToWrite);

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

    QString settingsFile_;
    QString settingsFileToWrite_;
};

extern TFConfig* FConfig;

// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHash>
#include <QSpacerItem>

#include "app_texts.h"
#include "text_viewer.h"

namespace {

class cQtDialogs final : public cDialogs {
public:
    QMessageBox::StandardButton Message(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                                        const QString& text, QMessageBox::StandardButtons buttons,
                                        const QString& detail) override {
        const auto box = MakeMessageBox(parent, icon, caption, text, buttons, detail);
        return static_cast<QMessageBox::StandardButton>(box->exec());
    }

    std::optional<cFileChoice> OpenFile(QWidget* parent, const QString& caption,
                                        const QStringList& filters) override {
        QFileDialog dialog(parent, caption);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        return Run(dialog, filters);
    }

    std::optional<cFileChoice> SaveFile(QWidget* parent, const QString& caption,
                                        const QStringList& filters) override {
        QFileDialog dialog(parent, caption);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        return Run(dialog, filters);
    }

    void ShowText(QWidget* parent, const QString& caption, const QString& text) override {
        cTextViewer viewer(parent, caption, text);
        viewer.exec();
    }

    void SetClipboardText(const QString& text) override { QApplication::clipboard()->setText(text); }

private:
    // A dialog starts in the folder where the last file of its kind (libraries, pictures: told apart by
    // their file types) was chosen in this run, else in the working folder.
    std::optional<cFileChoice> Run(QFileDialog& dialog, const QStringList& filters) {
        const QString kind = filters.join(QLatin1Char('\n'));
        const auto last = lastFolders_.find(kind);
        dialog.setDirectory(last != lastFolders_.end() && QFileInfo(*last).isDir() ? *last
                                                                                   : QDir::currentPath());
        dialog.setNameFilters(filters);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
        const QString path = dialog.selectedFiles().front();
        lastFolders_.insert(kind, QFileInfo(path).absolutePath());
        const auto index = static_cast<int>(filters.indexOf(dialog.selectedNameFilter()));
        return cFileChoice{path, index < 0 ? 0 : index};
    }

    QHash<QString, QString> lastFolders_;
};

cDialogs* current = nullptr;

}  // namespace

cDialogs& Dialogs() {
    static cQtDialogs qtDialogs;
    return current ? *current : qtDialogs;
}

std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                                            const QString& text, QMessageBox::StandardButtons buttons,
                                            const QString& detail) {
    auto box = std::make_unique<QMessageBox>(icon, caption, text, buttons, parent);
    box->setInformativeText(detail);
    // Room for about forty characters beside the icon; a longer text widens the box as before.
    constexpr int ReadableCharacters = 40;
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout())) {
        const int width = box->fontMetrics().averageCharWidth() * ReadableCharacters;
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(),
                      0, 1, grid->columnCount());
    }
    return box;
}

void ShowMessage(QWidget* parent, const QString& text, const QString& detail) {
    Dialogs().Message(parent, QMessageBox::NoIcon, ApplicationTitle, text, QMessageBox::Ok, detail);
}

cDialogsOverride::cDialogsOverride(cDialogs& replacement) : previous_(current) {
    current = &replacement;
}

cDialogsOverride::~cDialogsOverride() {
    current = previous_;
}

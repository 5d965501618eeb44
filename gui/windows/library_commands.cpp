// File > Open and File > Save of the main window: constant and function libraries, chosen by the
// dialog's filter, read and written through the engine's hooks over LibraryStream.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <array>

#include "Parser_core.h"
#include "declaration_messages.h"
#include "dialogs.h"
#include "main_window.h"
#include "message_boxes.h"
#include "palettes_window.h"

namespace {

// The dialogs' filters in order; the chosen filter decides the kind of library.
struct cLibraryFilter {
    QString text;
    QString extension;
    const cDeclarationOperations* kind;
};

const std::array<cLibraryFilter, 2> LibraryFilters = {{
    {QStringLiteral("Orvane constant library file (*.ovc)"), QStringLiteral(".ovc"), &ConstantDeclarations},
    {QStringLiteral("Orvane function library file (*.ovf)"), QStringLiteral(".ovf"), &FunctionDeclarations},
}};

QStringList FilterTexts() {
    QStringList texts;
    for (const cLibraryFilter& filter : LibraryFilters)
        texts.append(filter.text);
    return texts;
}

// A dialog answers the index of the filter shown; anything else counts as the first.
const cLibraryFilter& ChosenFilter(int index) {
    return LibraryFilters[index == 1 ? 1 : 0];
}

const QString OverwriteQuestion = QStringLiteral(
    "Warning: There is already a file with the same name in that directory. If you decide to use this "
    "name, the old file will be overwitten. Do you want to overwite or cancel to chose another name?");

// Makes a file the main window's LibraryStream for one command; the hooks see no file before or after.
class cLibraryStreamScope {
public:
    cLibraryStreamScope(TFMain& window, QIODevice& file) : window_(window) { window_.LibraryStream = &file; }
    ~cLibraryStreamScope() { window_.LibraryStream = nullptr; }
    cLibraryStreamScope(const cLibraryStreamScope&) = delete;
    cLibraryStreamScope& operator=(const cLibraryStreamScope&) = delete;

private:
    TFMain& window_;
};

// The chosen name with the filter's extension, replacing the name's own extension or appended when it
// has none. A name that only starts with a dot (".lib") keeps it and gets the extension appended.
QString WithLibraryExtension(const QString& path, const QString& extension) {
    const QFileInfo info(path);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > 0 ? name.left(dot) : name;
    return info.dir().filePath(stem + extension);
}

QString FileProblem(const QString& action, const QString& path, const QString& reason) {
    return QStringLiteral("Error: The file \"%1\" could not be %2: %3. Nothing has been changed.")
        .arg(QFileInfo(path).fileName(), action, reason);
}

}  // namespace

void TFMain::File_SaveClick() {
    for (;;) {
        const auto choice =
            Dialogs().SaveFile(this, QStringLiteral("Save current state as library file"), FilterTexts());
        if (!choice) return;
        const cLibraryFilter& filter = ChosenFilter(choice->filterIndex);
        const QString path = WithLibraryExtension(choice->path, filter.extension);
        if (QFileInfo::exists(path) && !AskWarning(this, OverwriteQuestion)) continue;

        // The old file is replaced only once every byte of the new one is written.
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            ShowError(this, FileProblem(QStringLiteral("created"), path, file.errorString()));
            return;
        }
        bool saved = false;
        {
            const cLibraryStreamScope stream(*this, file);
            saved = filter.kind->save();
        }
        if (!saved) {
            file.cancelWriting();
            ShowError(this, QString::fromLatin1(FileOperationErrorText));
            return;
        }
        if (!file.commit()) ShowError(this, QString::fromLatin1(FileOperationErrorText));
        return;
    }
}

void TFMain::File_OpenClick() {
    const auto choice = Dialogs().OpenFile(this, QStringLiteral("Load library file"), FilterTexts());
    if (!choice) return;
    const cLibraryFilter& filter = ChosenFilter(choice->filterIndex);
    QFile file(choice->path);
    if (!file.open(QIODevice::ReadOnly)) {
        ShowError(this, FileProblem(QStringLiteral("opened"), choice->path, file.errorString()));
        return;
    }
    std::int32_t result = LoadSucceeded;
    {
        const cLibraryStreamScope stream(*this, file);
        result = filter.kind->load();
    }
    file.close();
    if (result == LoadSucceeded) {
        FPalettes->ShowDeclarations(*filter.kind);
        return;
    }
    ShowError(this, QString::fromLatin1(LoadFailureText(result)));
}

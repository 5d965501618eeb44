// SPDX-License-Identifier: GPL-3.0-or-later
// File > Open and File > Save of the main window: constant and function libraries, chosen by the
// dialog's filter, read and written through the engine's hooks (cLibraryStreamScope). Closing the window
// offers to save declarations changed since they were last loaded or saved.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <array>
#include <cerrno>
#include <cstring>
#include <new>

#include "common/declaration_messages.h"
#include "common/failure_texts.h"
#include "common/file_problems.h"
#include "engine/Parser_core.h"
#include "engine_hooks.h"
#include "main_window.h"
#include "palettes_window.h"
#include "shared/dialogs.h"
#include "shared/file_paths.h"
#include "shared/message_boxes.h"
#include "shared/save_commit.h"

namespace {

// The dialogs' filters in order; the chosen filter decides the kind of library.
struct cLibraryFilter {
    QString text;
    QString extension;
    const cDeclarationOperations* kind;
    QString declarations;  // what the kind's declarations are called in a question
};

const std::array<cLibraryFilter, 2> LibraryFilters = {{
    {QStringLiteral("Orvane constant library file (*.ovc)"), QStringLiteral(".ovc"), &ConstantDeclarations,
     QStringLiteral("constants")},
    {QStringLiteral("Orvane function library file (*.ovf)"), QStringLiteral(".ovf"), &FunctionDeclarations,
     QStringLiteral("functions")},
}};
const QList<int> AllFilters = {0, 1};

QStringList FilterTexts(const QList<int>& offered) {
    QStringList texts;
    for (const int index : offered)
        texts.append(LibraryFilters[static_cast<std::size_t>(index)].text);
    return texts;
}

// A dialog answers the index of the filter shown; anything else counts as the first.
const cLibraryFilter& ChosenFilter(const QList<int>& offered, int shown) {
    return LibraryFilters[static_cast<std::size_t>(offered.value(shown, offered.front()))];
}

const QString OverwriteQuestion = QStringLiteral(
    "Warning: There is already a file with the same name in that directory. If you decide to use this "
    "name, the old file will be overwitten. Do you want to overwite or cancel to chose another name?");
const QString LoadCancelled =
    QStringLiteral("Error: Loading the library has been cancelled. Nothing has been changed.");
const QString SaveCancelled =
    QStringLiteral("Error: Saving the library has been cancelled. Nothing has been changed.");

// The chosen name with the filter's extension, replacing the name's own extension or appended when it
// has none. A name that only starts with a dot (".lib") keeps it and gets the extension appended.
QString WithLibraryExtension(const QString& path, const QString& extension) {
    const QFileInfo info(path);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > 0 ? name.left(dot) : name;
    return info.dir().filePath(stem + extension);
}

QString ProblemText(const QString& path, const char* action, const cFileFailure& failure) {
    return QString::fromStdString(FileProblemText(QFileInfo(path).fileName().toStdString(), action, failure));
}

// A library of the other kind opened with this kind's file type: a line that says which it is and how
// to load it; empty for any other file.
QString OtherKindHint(const QString& path, const cLibraryFilter& chosen) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray start = file.read(16);
    for (const cLibraryFilter& other : LibraryFilters) {
        if (&other == &chosen || !start.startsWith(other.kind->magic)) continue;
        return QStringLiteral("\nThe file holds %1. To load it, choose \"%2\" as the file type.")
            .arg(other.declarations, other.text);
    }
    return {};
}

// The advice to restart Windows after a failed file operation says nothing elsewhere: there a plain
// line says what went wrong with which file.
QString WhatWentWrong(const QString& line) {
#ifdef _WIN32
    static_cast<void>(line);
    return {};
#else
    return line;
#endif
}

// Why a file could not be opened: Qt refuses a folder without an error number of the system.
QString OpenFailureText(const QString& path, const char* action, const QFileDevice& file, int errorNumber) {
    const cFileProblem problem = QFileInfo(path).isDir() ? cFileProblem::Folder : FileProblemOf(errorNumber);
    return ProblemText(path, action, {problem, file.errorString().toStdString()});
}

}  // namespace

void TFMain::File_SaveClick() {
    SaveLibrary(AllFilters);
}

bool TFMain::SaveLibrary(const QList<int>& offered) {
    for (;;) {
        const auto choice = Dialogs().SaveFile(this, QStringLiteral("Save current state as library file"),
                                               FilterTexts(offered));
        if (!choice) return false;
        const cLibraryFilter& filter = ChosenFilter(offered, choice->filterIndex);
        const QString path = WithLibraryExtension(choice->path, filter.extension);
        if (const auto overlong = OverlongDeclarationProblem(*filter.kind)) {
            ShowError(this, QString::fromLatin1(*overlong));
            return false;
        }
        // Saving over a folder, a device or a pipe would destroy what the program does not own, and a
        // read-only file is kept as its owner wants. A link is followed: the file it names is replaced,
        // the link stays; a loop of links is refused, as QSaveFile would replace the link.
        if (const auto problem = SaveTargetProblem(PathOf(path))) {
            ShowError(this, ProblemText(path, "saved", *problem));
            return false;
        }
        if (QFileInfo::exists(path) && !AskWarning(this, OverwriteQuestion)) continue;

        // The old file is replaced only once every byte of the new one is written.
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            ShowError(this, OpenFailureText(path, "created", file, errno));
            return false;
        }
        bool saved = false;
        errno = 0;
        try {
            const cLibraryStreamScope stream(file);
            saved = filter.kind->save();
        } catch (const cCalculationCancelled&) {
            file.cancelWriting();
            ReportCancelled(SaveCancelled);
            return false;
        }
        if (!saved || !CommitWholeFile(file)) {
            // Qt words a failed last flush as "Unknown error"; the system's words say more.
            const QString reason =
                errno != 0 ? QString::fromLocal8Bit(std::strerror(errno)) : file.errorString();
            ShowError(this, QString::fromLatin1(FileOperationErrorText),
                      WhatWentWrong(QStringLiteral("\"%1\" could not be written: %2")
                                        .arg(QFileInfo(path).fileName(), reason)));
            return false;
        }
        savedDeclarations_.MarkSaved(*filter.kind);
        return true;
    }
}

void TFMain::File_OpenClick() {
    const auto choice =
        Dialogs().OpenFile(this, QStringLiteral("Load library file"), FilterTexts(AllFilters));
    if (!choice) return;
    const cLibraryFilter& filter = ChosenFilter(AllFilters, choice->filterIndex);
    QFile file(choice->path);
    if (!file.open(QIODevice::ReadOnly)) {
        ShowError(this, OpenFailureText(choice->path, "opened", file, errno));
        return;
    }
    // Declarations loaded into a table with nothing unsaved are as saved as the file they came from.
    const bool wasSaved = !savedDeclarations_.Changed(*filter.kind);
    std::int32_t result = LoadSucceeded;
    try {
        const cLibraryStreamScope stream(file);
        result = filter.kind->load();
        if (result >= 0 && DescribeCommitFailure().outOfMemory) throw std::bad_alloc();
    } catch (const cCalculationCancelled&) {
        ReportCancelled(LoadCancelled);
        return;
    } catch (const std::bad_alloc&) {
        ShowError(this, ProblemText(choice->path, "loaded", {cFileProblem::Other, "out of memory"}));
        return;
    }
    file.close();
    if (result == LoadSucceeded) {
        if (wasSaved) savedDeclarations_.MarkSaved(*filter.kind);
        FPalettes->ShowDeclarations(*filter.kind);
        return;
    }
    QString text = QString::fromLatin1(LoadFailureText(result));
    if (result == LoadNotALibrary) text += OtherKindHint(choice->path, filter);
    const QString detail = result == LoadShortRead
                               ? WhatWentWrong(QStringLiteral("\"%1\" ends before its library does.")
                                                   .arg(QFileInfo(choice->path).fileName()))
                               : QString();
    ShowError(this, text, detail);
}

// Asks for each kind of declaration changed since it was last loaded or saved whether to save it;
// false when the user keeps the window open (Cancel, or a save that did not happen).
bool TFMain::OfferToSaveDeclarations() {
    for (int index : AllFilters) {
        const cLibraryFilter& filter = LibraryFilters[static_cast<std::size_t>(index)];
        if (!savedDeclarations_.Changed(*filter.kind)) continue;
        const auto answer = AskSaveChanges(
            this, QStringLiteral("Warning: The %1 have been changed since they were last loaded or saved. "
                                 "Do you want to save them before Orvane closes?")
                      .arg(filter.declarations));
        if (answer == QMessageBox::Cancel) return false;
        if (answer == QMessageBox::Save && !SaveLibrary({index})) return false;
    }
    return true;
}

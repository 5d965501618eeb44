// SPDX-License-Identifier: GPL-3.0-or-later
#include "declaring.h"

#include "common/declaration_messages.h"
#include "common/failure_texts.h"
#include "console.h"
#include "library_file_io.h"

namespace {

bool AddAll(const std::vector<cDeclaration>& declarations, const cDeclarationOperations& kind);
void WarnOfUnusableNames(const std::vector<cDeclaration>& declarations, const cDeclarationOperations& kind);

}  // namespace

// A failing commit answers the position of the declaration in the whole table, the declarations
// already live first, as the editor and the library loader report it.
bool Declare(const std::vector<cDeclaration>& declarations, const cDeclarationOperations& kind) {
    if (declarations.empty()) return true;
    kind.begin();
    if (!AddAll(declarations, kind)) {
        kind.discard();
        ReportMessage(TableFullText);
        return false;
    }
    std::int32_t failed = CommitSucceeded;
    try {
        failed = kind.commit();
    } catch (const cCalculationCancelled&) {
        ReportMessage("cancelled: nothing has been declared");
        return false;
    }
    if (failed != CommitSucceeded) {
        std::string text =
            InvalidDeclarationText(failed, kind.definition(static_cast<std::uint32_t>(failed)).value_or(""));
        if (const std::string why = DescribeCommitFailure().detail; !why.empty()) text += " (" + why + ")";
        kind.discard();
        ReportMessage(text);
        return false;
    }
    WarnOfUnusableNames(declarations, kind);
    return true;
}

bool LoadLibrary(const std::string& path) {
    const cLibraryLoad load = LoadLibraryFile(path);
    if (!load.problem.empty()) {
        ReportMessage(load.problem);
        return false;
    }
    if (load.result == LoadSucceeded) return true;
    ReportMessage(LoadFailureText(load.result));
    return false;
}

bool SaveLibrary(const std::string& path, const cDeclarationOperations& kind) {
    const std::string problem = SaveLibraryFile(path, kind);
    if (problem.empty()) return true;
    ReportMessage(problem);
    return false;
}

namespace {

bool AddAll(const std::vector<cDeclaration>& declarations, const cDeclarationOperations& kind) {
    for (const cDeclaration& declaration : declarations)
        if (!kind.add(declaration.definition, declaration.description)) return false;
    return true;
}

void WarnOfUnusableNames(const std::vector<cDeclaration>& declarations, const cDeclarationOperations& kind) {
    if (&kind != &ConstantDeclarations) return;
    for (const cDeclaration& declaration : declarations)
        if (const auto warning = UnusableConstantNameWarning(declaration.definition)) ReportMessage(*warning);
}

}  // namespace

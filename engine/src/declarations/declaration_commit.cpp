// Committing a working copy: every declaration of the kind is interpreted again, in table order, and
// the working copy becomes the live table only when all of them succeed. A failed commit changes no
// live table and no reference list and leaves the working copy open.
#include "Parser_core.h"
#include "declaration_progress.h"

namespace {

template <class Interpret, class Entry>
bool Succeeds(Interpret interpret, Entry& entry);
bool InterpretWorkFunction(cUserFunction& function);
void ForgetInterpretations(std::int32_t upTo);
void ForgetNames(std::int32_t upTo);
void ReplaceLiveFunctions();
void ReplaceLiveConstants();

}  // namespace

std::int32_t CommitFuncWork() {
    if (!FuncWorkOpen) return CommitSucceeded;
    const auto total = static_cast<std::uint32_t>(WorkFuncCount);
    InterpretedFuncs = 0;
    ReportDeclarationProgress(ActivityInterpreting, total, 0);
    for (std::int32_t i = 0; i < WorkFuncCount; ++i) {
        if (!Succeeds(InterpretWorkFunction, WorkFunctions[i])) {
            ForgetInterpretations(i);
            EndDeclarationProgress();
            return i;
        }
        ++InterpretedFuncs;
        ReportDeclarationProgress(ActivityInterpreting, total, static_cast<std::uint32_t>(i) + 1);
    }
    EndDeclarationProgress();
    InterpretedFuncs = 0;
    ReplaceLiveFunctions();
    return CommitSucceeded;
}

std::int32_t CommitConstWork() {
    if (!ConstWorkOpen) return CommitSucceeded;
    const auto total = static_cast<std::uint32_t>(WorkConstCount);
    ReportDeclarationProgress(ActivityInterpreting, total, 0);
    for (std::int32_t i = 0; i < WorkConstCount; ++i) {
        if (!Succeeds(InterpretConstant, WorkConstants[i])) {
            ForgetNames(i);
            EndDeclarationProgress();
            return i;
        }
        ReportDeclarationProgress(ActivityInterpreting, total, static_cast<std::uint32_t>(i) + 1);
    }
    EndDeclarationProgress();
    ReplaceLiveConstants();
    return CommitSucceeded;
}

namespace {

// Callers learn only which declaration failed, never why, so every exception counts as a failure.
template <class Interpret, class Entry>
bool Succeeds(Interpret interpret, Entry& entry) {
    try {
        return interpret(entry);
    } catch (...) {
        return false;
    }
}

// While the flag is set the parser resolves calls against the functions already interpreted in the
// working copy, so a body can call only the functions placed before it.
bool InterpretWorkFunction(cUserFunction& function) {
    struct InterpretingScope {
        InterpretingScope() { InterpretingFuncs = true; }
        ~InterpretingScope() { InterpretingFuncs = false; }
    } scope;
    return InterpretFunction(function);
}

void ForgetInterpretations(std::int32_t upTo) {
    for (std::int32_t j = 0; j <= upTo; ++j) {
        WorkFunctions[j].tree.reset();
        WorkFunctions[j].name.reset();
    }
}

void ForgetNames(std::int32_t upTo) {
    for (std::int32_t j = 0; j <= upTo; ++j)
        WorkConstants[j].name.reset();
}

// Every list is emptied before any is filled again, so the exact-size lists copied by BeginConstWork
// are only ever shortened.
void ReplaceLiveFunctions() {
    for (std::int32_t i = 0; i < FuncCount; ++i) {
        if (UserFunctions[i].tree) UserFunctions[i].tree->ReleaseRefs();
    }
    UserFunctions = std::move(WorkFunctions);
    FuncCount = WorkFuncCount;
    WorkFuncCount = 0;
    FuncWorkOpen = false;
    for (std::int32_t i = 0; i < FuncCount; ++i)
        UserFunctions[i].tree->RecordRefs();
}

// The working copy carries the lists copied when it was opened; deleting an unreferenced constant
// moved the later ones down, so every referring node is pointed at its constant's new position.
void ReplaceLiveConstants() {
    Constants = std::move(WorkConstants);
    ConstCount = WorkConstCount;
    WorkConstCount = 0;
    ConstWorkOpen = false;
    for (std::int32_t i = 0; i < ConstCount; ++i)
        Constants[i].RenumberRefs(i);
}

}  // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// Committing a working copy: every declaration of the kind is interpreted again, in table order, and
// the working copy becomes the live table only when all of them succeed. A failed commit changes no
// live table and no reference list and leaves the working copy open; a cancelled one closes it.
#include "declaration_progress.h"
#include "engine/Parser_core.h"
#include "interpretation.h"
#include "parsing/name_index.h"

std::exception_ptr LastCommitFailure;

namespace {

template <class Interpret, class Entry>
bool Succeeds(Interpret interpret, Entry& entry);
void InterpretWorkFunction(cUserFunction& function);
void ForgetInterpretations(std::int32_t upTo);
void ForgetNames(std::int32_t upTo);
void ReplaceLiveFunctions();
void ReplaceLiveConstants();

}  // namespace

std::int32_t CommitFuncWork() {
    if (!FuncWorkOpen) return CommitSucceeded;
    LastCommitFailure = nullptr;
    const auto total = static_cast<std::uint32_t>(WorkFuncCount);
    InterpretedFuncs = 0;
    try {
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
    } catch (...) {  // cancelled, or out of memory outside a declaration
        InterpretedFuncs = 0;
        EndDeclarationProgress();
        DiscardFuncWork();
        throw;
    }
    EndDeclarationProgress();
    InterpretedFuncs = 0;
    ReplaceLiveFunctions();
    return CommitSucceeded;
}

std::int32_t CommitConstWork() {
    if (!ConstWorkOpen) return CommitSucceeded;
    LastCommitFailure = nullptr;
    const auto total = static_cast<std::uint32_t>(WorkConstCount);
    try {
        ReportDeclarationProgress(ActivityInterpreting, total, 0);
        for (std::int32_t i = 0; i < WorkConstCount; ++i) {
            if (!Succeeds(InterpretConstantOrRaise, WorkConstants[i])) {
                ForgetNames(i);
                EndDeclarationProgress();
                return i;
            }
            ReportDeclarationProgress(ActivityInterpreting, total, static_cast<std::uint32_t>(i) + 1);
        }
    } catch (...) {  // cancelled, or out of memory outside a declaration
        EndDeclarationProgress();
        DiscardConstWork();
        throw;
    }
    EndDeclarationProgress();
    ReplaceLiveConstants();
    return CommitSucceeded;
}

namespace {

// Any exception counts as the declaration's failure, and is kept to say why; only a cancellation
// ends the commit itself.
template <class Interpret, class Entry>
bool Succeeds(Interpret interpret, Entry& entry) {
    try {
        interpret(entry);
        return true;
    } catch (const cCalculationCancelled&) {
        throw;
    } catch (...) {
        LastCommitFailure = std::current_exception();
        return false;
    }
}

// While the flag is set the parser resolves calls against the functions already interpreted in the
// working copy, so a body can call only the functions placed before it.
void InterpretWorkFunction(cUserFunction& function) {
    struct InterpretingScope {
        InterpretingScope() { InterpretingFuncs = true; }
        ~InterpretingScope() { InterpretingFuncs = false; }
    } scope;
    InterpretFunctionOrRaise(function);
}

void ForgetInterpretations(std::int32_t upTo) {
    NamesChanged();
    for (std::int32_t j = 0; j <= upTo; ++j) {
        WorkFunctions[j].tree.reset();
        WorkFunctions[j].name.reset();
    }
}

void ForgetNames(std::int32_t upTo) {
    NamesChanged();
    for (std::int32_t j = 0; j <= upTo; ++j)
        WorkConstants[j].name.reset();
}

// Every list is emptied before any is filled again, so the exact-size lists copied by BeginConstWork
// are only ever shortened.
void ReplaceLiveFunctions() {
    // Releasing the references of every live function empties every list: the lists hold exactly the
    // nodes of the live functions' trees. Emptied at once, that costs no search.
    for (std::int32_t i = 0; i < ConstCount; ++i) {
        Constants[i].refs = std::vector<cNode*>();
        Constants[i].refCount = 0;
        Constants[i].refCapacity = 0;
    }
    UserFunctions = std::move(WorkFunctions);
    NamesChanged();
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
    NamesChanged();
    ConstCount = WorkConstCount;
    WorkConstCount = 0;
    ConstWorkOpen = false;
    for (std::int32_t i = 0; i < ConstCount; ++i)
        Constants[i].RenumberRefs(i);
}

}  // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// The per-node step shared by the evaluator and the binding operators, inline because it runs once
// for every node evaluated.
#pragma once

#include <cstdint>

#include "engine/Parser_core.h"

static_assert((PollInterval & (PollInterval - 1)) == 0, "the poll interval is a power of two");

// The common last step of every node: counted always, reported unless the tree is quiet. The counters
// wrap like the unsigned counts the progress display receives. A quiet stretch polls now and then
// instead, so that it can be cancelled too.
inline void cParseTree::FinishStep() {
    const std::uint32_t done = static_cast<std::uint32_t>(workDone) + 1u;
    workDone = static_cast<std::int32_t>(done);
    if (quiet == 0) {
        ProgressHook(progressLine, ActivityCalculating, static_cast<std::uint32_t>(workTotal), done);
    } else if ((done & (PollInterval - 1)) == 0) {
        PollHook();
    }
}

// Leaves are most of a tree's nodes: handling them here spares a call and a dispatch per leaf.
inline double cParseTree::EvalOperand(const cNode& node) {
    double value;
    if (node.kind == ptNodeKind::Var) {
        value = vars[node.index];
    } else if (node.kind == ptNodeKind::Num) {
        value = node.number;
    } else {
        return EvalNode(node);
    }
    FinishStep();
    return value;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The evaluator: counts the work of a tree, walks it, and reports one progress step per node.
#include <cstdint>

#include "checked_arithmetic.h"
#include "checked_math.h"
#include "engine/Parser_core.h"
#include "evaluation_steps.h"
#include "stack_guard.h"
#include "truncation.h"

double cParseTree::Evaluate() {
    if (!root) throw std::logic_error("evaluation of a tree that holds no formula");
    UseStackOfThisThread();
    double value;
    try {
        workTotal = CountWork(*root);
        workDone = 0;
        ProgressHook(progressLine, ActivityCalculating, static_cast<std::uint32_t>(workTotal), 0);
        value = EvalNode(*root);
    } catch (...) {
        // A failure inside a quiet stretch must not silence this tree's later calculations.
        quiet = 0;
        ProgressHook(progressLine, ActivityIdle, 0, 0);
        throw;
    }
    ProgressHook(progressLine, ActivityIdle, 0, 0);
    return value;
}

double cParseTree::EvalNode(const cNode& node) {
    if (StackNearlyExhausted()) throw cCalcFailure(cCalcFailure::Kind::TooDeep);
    double value;
    const cNode* child = node.children.get();
    switch (node.kind) {
        case ptNodeKind::Num:
            value = node.number;
            break;
        case ptNodeKind::Var:
            value = vars[node.index];
            break;
        case ptNodeKind::ConstRef:
            value = Constants[node.index].value;
            break;
        case ptNodeKind::Add: {
            const double left = EvalOperand(child[0]);
            value = CheckedAdd(left, EvalOperand(child[1]));
            break;
        }
        case ptNodeKind::Sub: {
            const double left = EvalOperand(child[0]);
            value = CheckedSub(left, EvalOperand(child[1]));
            break;
        }
        case ptNodeKind::Mul: {
            const double left = EvalOperand(child[0]);
            value = CheckedMul(left, EvalOperand(child[1]));
            break;
        }
        case ptNodeKind::Div: {
            const double left = EvalOperand(child[0]);
            value = CheckedDiv(left, EvalOperand(child[1]));
            break;
        }
        case ptNodeKind::Pow: {
            // The exponent first: it may change a variable the base reads.
            const double exponent = EvalOperand(child[1]);
            value = CheckedPowInline(EvalOperand(child[0]), exponent);
            break;
        }
        case ptNodeKind::Neg:
            value = -EvalOperand(child[0]);
            break;
        case ptNodeKind::BasicCall:
            value = EvalBasicCall(node);
            break;
        case ptNodeKind::UserCall:
            value = EvalUserCall(node);
            break;
        case ptNodeKind::Sum:
        case ptNodeKind::Pro:
            value = EvalSumOrPro(node);
            break;
        case ptNodeKind::Integral:
            value = EvalIntegral(node);
            break;
        case ptNodeKind::Derivative:
            value = EvalDerivative(node);
            break;
        case ptNodeKind::Solve:
            value = EvalSolve(node);
            break;
        default:
            value = 0.0;
            break;
    }
    FinishStep();
    return value;
}

double cParseTree::EvalBasicCall(const cNode& node) {
    const cBasicFunction& entry = BasicFunctions[node.index];
    if (node.childCount == 0) return entry.fn0();
    return entry.fn1(EvalOperand(node.children[0]));
}

// All arguments are evaluated before any is stored: an argument that calls the same function would
// otherwise overwrite the callee's variables that earlier arguments had set.
double cParseTree::EvalUserCall(const cNode& node) {
    double arguments[VariableCount];
    for (std::uint16_t j = 0; j < node.childCount; ++j) {
        const double argument = EvalNode(node.children[j]);
        if (j < VariableCount) arguments[j] = argument;
    }
    cParseTree& callee = *UserFunctions[node.index].tree;
    for (std::uint16_t j = 0; j < node.childCount && j < VariableCount; ++j) {
        callee.SetVariable(static_cast<char>('a' + j), arguments[j]);
    }
    callee.progressLine = static_cast<std::uint16_t>(progressLine + 1);
    return callee.Evaluate();
}

std::int32_t cParseTree::CountWork(const cNode& node) {
    if (StackNearlyExhausted()) throw cCalcFailure(cCalcFailure::Kind::TooDeep);
    const cNode* child = node.children.get();
    std::uint32_t count = 1;
    switch (node.kind) {
        case ptNodeKind::Sum:
        case ptNodeKind::Pro:
            return CountSumOrPro(node);
        case ptNodeKind::Integral:
            count += CountWork(child[0]) + CountWork(child[1]) + CountWork(child[2]) +
                     120u * static_cast<std::uint32_t>(CountWork(child[3]));
            break;
        case ptNodeKind::Derivative:
            count += CountWork(child[0]) + CountWork(child[1]) +
                     2u * static_cast<std::uint32_t>(CountWork(child[2]));
            break;
        case ptNodeKind::Solve:
            count += CountWork(child[0]) + CountWork(child[1]) + CountWork(child[2]) +
                     40u * static_cast<std::uint32_t>(CountWork(child[3]));
            break;
        default:
            for (std::uint16_t i = 0; i < node.childCount; ++i)
                count += CountWork(child[i]);
            break;
    }
    return static_cast<std::int32_t>(count);
}

// The bounds are evaluated quietly to learn the number of iterations; a reversed range gives a
// negative factor, as 32-bit arithmetic does.
std::int32_t cParseTree::CountSumOrPro(const cNode& node) {
    const cNode* child = node.children.get();
    quiet = 1;
    const std::int32_t from = TruncateToInt32(EvalNode(child[1]));
    const std::int32_t to = TruncateToInt32(EvalNode(child[2]));
    quiet = 0;
    const std::uint32_t iterations = static_cast<std::uint32_t>(to) - static_cast<std::uint32_t>(from) + 1u;
    const std::uint32_t count = static_cast<std::uint32_t>(CountWork(child[0])) + CountWork(child[1]) +
                                CountWork(child[2]) +
                                iterations * static_cast<std::uint32_t>(CountWork(child[3])) + 1u;
    return static_cast<std::int32_t>(count);
}

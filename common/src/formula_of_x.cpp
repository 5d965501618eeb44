// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/formula_of_x.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

namespace {

constexpr int XIndex = PlotVariable - 'a';

bool IsBindingOperator(ptNodeKind kind) {
    return kind == ptNodeKind::Sum || kind == ptNodeKind::Pro || kind == ptNodeKind::Integral ||
           kind == ptNodeKind::Derivative || kind == ptNodeKind::Solve;
}

// The letter a binding operator takes from its first argument: the low byte of the truncated value.
bool BindsX(double letter) {
    if (!(std::fabs(letter) < 2147483648.0)) return false;
    return ToVarLetter(static_cast<std::int32_t>(letter)) == PlotVariable;
}

// A binding operator's expression (its last child) sees x as its own variable when the letter is a
// plain number naming x; the other arguments are read outside the binding.
bool ReadsX(const cNode& node) {
    if (node.kind == ptNodeKind::Var) return node.index == XIndex;
    const cNode* child = node.children.get();
    int free = node.childCount;
    if (IsBindingOperator(node.kind) && child[0].kind == ptNodeKind::Num && BindsX(child[0].number))
        free = node.childCount - 1;
    return std::any_of(child, child + free, [](const cNode& c) { return ReadsX(c); });
}

}  // namespace

cFormulaOfX::cFormulaOfX(std::string_view formula, const double (&variables)[VariableCount])
    : tree_(std::make_unique<cParseTree>()) {
    std::copy(std::begin(variables), std::end(variables), variables_);
    tree_->Parse(formula);
}

std::optional<double> cFormulaOfX::ValueAt(double x) {
    const double value = RawValueAt(x);
    if (std::isfinite(value)) return value;
    return std::nullopt;
}

double cFormulaOfX::RawValueAt(double x) {
    std::copy(std::begin(variables_), std::end(variables_), tree_->vars);
    tree_->vars[XIndex] = x;
    try {
        return tree_->Evaluate();
    } catch (const cCalcFailure&) {
        return std::numeric_limits<double>::quiet_NaN();
    }
}

bool FormulaUsesX(std::string_view formula) {
    try {
        const cParseTree tree(formula);
        return tree.root && ReadsX(*tree.root);
    } catch (const cParseFailure&) {
        return false;
    }
}

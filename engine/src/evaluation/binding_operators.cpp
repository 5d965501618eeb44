// SPDX-License-Identifier: GPL-3.0-or-later
// The five operators that bind a variable of the tree and evaluate their last argument repeatedly:
// sum, pro, integral, derivative and solve. The letter is evaluated first, then the other arguments
// in order, then the expression. The constants are extended-precision values and every "rounded to
// double" below is where the result is fixed; the documented results depend on both.
#include <utility>

#include "checked_arithmetic.h"
#include "engine/Parser_core.h"
#include "engine/solve_bisection.h"
#include "evaluation_steps.h"
#include "truncation.h"

namespace {

constexpr int IntegralSubintervals = 120;
constexpr long double OneOver120 = 1.0L / 120.0L;
constexpr long double OneOver840 = 1.0L / 840.0L;
// Seven-point closed Newton-Cotes weights by position in a panel of six; 82 = 41 + 41 where two panels
// meet, and the ends are corrected back to 41 afterwards.
constexpr double IntegralWeights[6] = {82.0, 216.0, 27.0, 272.0, 27.0, 216.0};
constexpr double IntegralEndWeight = 41.0;

constexpr double DerivativeStep = 0.0005;
constexpr long double OneOverTwoSteps = 1.0L / (2.0L * static_cast<long double>(DerivativeStep));

}  // namespace

double& cParseTree::BoundVariable(const cNode& letterNode) {
    return vars[ToVarLetter(TruncateToInt32(EvalNode(letterNode))) - 'a'];
}

// The loop reads the variable itself at every test and increment, so an expression that binds the
// same letter changes the loop; the upper bound is fixed before it starts.
double cParseTree::EvalSumOrPro(const cNode& node) {
    const cNode* child = node.children.get();
    double& variable = BoundVariable(child[0]);
    const double from = TruncateToInt32(EvalNode(child[1]));
    const double to = TruncateToInt32(EvalNode(child[2]));
    const bool isSum = node.kind == ptNodeKind::Sum;
    double accumulator = isSum ? 0.0 : 1.0;
    variable = from;
    while (variable <= to) {
        const double term = EvalOperand(child[3]);
        accumulator = isSum ? CheckedAdd(term, accumulator) : CheckedMul(term, accumulator);
        // Adding 1 rounds the same in double as in the extended format and cannot overflow.
        variable += 1.0;
    }
    return accumulator;
}

double cParseTree::EvalIntegral(const cNode& node) {
    const cNode* child = node.children.get();
    double& variable = BoundVariable(child[0]);
    const double a = EvalNode(child[1]);
    const double b = EvalNode(child[2]);
    const double h = RoundChecked((static_cast<long double>(b) - a) * OneOver120, b, a);
    double sum = 0.0;
    for (int i = 0; i <= IntegralSubintervals; ++i) {
        variable = RoundChecked(i * static_cast<long double>(h) + a, h, a);
        const double f = EvalOperand(child[3]);
        sum = RoundChecked(f * static_cast<long double>(IntegralWeights[i % 6]) + sum, f, sum);
    }
    variable = a;
    const double fa = EvalOperand(child[3]);
    sum = RoundChecked(sum - fa * static_cast<long double>(IntegralEndWeight), sum, fa);
    variable = b;
    const double fb = EvalOperand(child[3]);
    sum = RoundChecked(sum - fb * static_cast<long double>(IntegralEndWeight), sum, fb);
    return RoundChecked(static_cast<long double>(h) * 6.0L * OneOver840 * sum, h, sum);
}

double cParseTree::EvalDerivative(const cNode& node) {
    const cNode* child = node.children.get();
    double& variable = BoundVariable(child[0]);
    const double x = EvalNode(child[1]);
    variable = RoundChecked(static_cast<long double>(x) - DerivativeStep, x, DerivativeStep);
    const double below = EvalNode(child[2]);
    variable = RoundChecked(static_cast<long double>(x) + DerivativeStep, x, DerivativeStep);
    const double above = EvalNode(child[2]);
    return RoundChecked((static_cast<long double>(above) - below) * OneOverTwoSteps, above, below);
}

// Bisection with a fixed number of halvings. Only the direction is taken from the end points, which
// are evaluated quietly; no sign change is required.
double cParseTree::EvalSolve(const cNode& node) {
    const cNode* child = node.children.get();
    double& variable = BoundVariable(child[0]);
    double low = EvalNode(child[1]);
    double high = EvalNode(child[2]);
    if (low > high) std::swap(low, high);

    quiet = 1;
    variable = low;
    const double atLow = EvalOperand(child[3]);
    variable = high;
    const double atHigh = EvalOperand(child[3]);
    quiet = 0;

    const auto midpoint = [](double from, double to) {
        return RoundChecked((static_cast<long double>(to) + from) * 0.5L, to, from);
    };
    return SolveBisection(low, high, atHigh > atLow, midpoint, [&](double x) {
        variable = x;
        return EvalOperand(child[3]);
    });
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "checked_arithmetic.h"

double DiagnoseNonFinite(double result, double a, double b) {
    if (std::isnan(a) || std::isnan(b)) return result;
    if (std::isnan(result)) throw cCalcFailure(cCalcFailure::Kind::InvalidOperation);
    if (std::isinf(a) || std::isinf(b)) return result;
    throw cCalcFailure(cCalcFailure::Kind::Overflow);
}

double DiagnoseDivision(double result, double a, double b) {
    if (std::isnan(a) || std::isnan(b)) return result;
    if (std::isnan(result)) throw cCalcFailure(cCalcFailure::Kind::InvalidOperation);
    if (std::isinf(a)) return result;
    if (b == 0.0) throw cCalcFailure(cCalcFailure::Kind::DivisionByZero);
    throw cCalcFailure(cCalcFailure::Kind::Overflow);
}

// SPDX-License-Identifier: GPL-3.0-or-later
// One row of the built-in results table: a built-in (or the power operator) called through the real
// built-in table in one angle mode, with the result text a user would see and the math-library
// reports made on the way. Shared by the table's test and the program that wrote the table.
#pragma once

#include <cstdint>
#include <string>

#include "common/result_text.h"
#include "engine/Parser_core.h"

struct cBuiltinResult {
    std::string text;
    std::string reports;  // "kind: KIND error" texts joined by "; ", empty when none
};

inline std::string& BuiltinReports() {
    static std::string reports;
    return reports;
}

// The angle mode's name in the table: rad, deg or gra.
inline std::uint16_t AngleModeNamed(const std::string& name) {
    return name == "rad" ? 0 : name == "gra" ? 2 : 1;
}

// Calls function (a built-in's name, or "pow" for x^y) at x (and y) with the engine already set up
// for the angle mode.
inline cBuiltinResult BuiltinResult(const std::string& function, double x, double y) {
    BuiltinReports().clear();
    MathErrorHook = [](const char* name, const char* kind) {
        std::string& reports = BuiltinReports();
        if (!reports.empty()) reports += "; ";
        reports += std::string(name) + ": " + kind + " error";
    };
    const std::string formula = function == "pow"                     ? "x^y"
                                : function == "pi" || function == "e" ? function + "()"
                                                                      : function + "(x)";
    cParseTree tree(formula);
    tree.SetVariable('x', x);
    tree.SetVariable('y', y);
    try {
        return {ResultText(tree.Evaluate(), '.'), BuiltinReports()};
    } catch (const cCalcFailure&) {
        return {"<ERROR>", BuiltinReports()};
    }
}

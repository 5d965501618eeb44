// SPDX-License-Identifier: GPL-3.0-or-later
// One row of the built-in results table: a built-in (or the power operator) called through the real
// built-in table in one angle mode, with the result text a user would see and the math-library
// reports made on the way. Shared by the tables' tests and the program that wrote the first table.
#pragma once

#include <charconv>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

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

// A table row as written: the arguments as texts, the text shown and the reports expected.
struct cBuiltinRow {
    std::string mode, function, x, y, text, reports;
};

inline double ArgumentNumber(const std::string& text) {
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// The rows of a tab-separated table; lines starting with # are comments.
inline std::vector<cBuiltinRow> ReadBuiltinRows(const char* path) {
    std::ifstream file(path);
    std::vector<cBuiltinRow> rows;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        cBuiltinRow row;
        for (std::string* field : {&row.mode, &row.function, &row.x, &row.y, &row.text, &row.reports})
            std::getline(fields, *field, '\t');
        rows.push_back(row);
    }
    return rows;
}

// What the row's call shows now when that differs from what the row expects, or "" when it agrees.
inline std::string RowMismatch(const cBuiltinRow& row) {
    if (AngleMode != AngleModeNamed(row.mode)) SwitchAngleMode(AngleModeNamed(row.mode));
    const cBuiltinResult result = BuiltinResult(row.function, ArgumentNumber(row.x), ArgumentNumber(row.y));
    if (result.text == row.text && result.reports == row.reports) return "";
    return row.mode + " " + row.function + "(" + row.x + (ArgumentNumber(row.y) == 0 ? "" : "; " + row.y) +
           ") shows " + result.text + " [" + result.reports + "] instead of " + row.text + " [" +
           row.reports + "]";
}

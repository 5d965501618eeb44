// A set-up engine for each test, with the progress calls and math-library reports recorded.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "Parser_core.h"

using tProgressCall = std::tuple<unsigned, unsigned, unsigned, unsigned>;

class cEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        Calls().clear();
        Reports().clear();
        ProgressHook = RecordProgress;
        MathErrorHook = RecordReport;
        InitEngine();
    }
    void TearDown() override {
        DoneEngine();
        ProgressHook = RestoreProgress();
        MathErrorHook = RestoreReport();
        MaxConst = 100;
        MaxFunc = 30;
        RefAlloc = 10;
        AngleMode = 1;
        DecimalSeparator = '.';
    }

    static std::vector<tProgressCall>& Calls() {
        static std::vector<tProgressCall> calls;
        return calls;
    }
    static std::vector<std::string>& Reports() {
        static std::vector<std::string> reports;
        return reports;
    }

    // Parses and evaluates a formula in a fresh tree.
    static double Eval(const std::string& formula) {
        cParseTree tree(formula);
        return tree.Evaluate();
    }

    // Makes f a live user function with the given parameter count and body (already in a, b, ...),
    // without going through the declaration store.
    static void DeclareFunction(const std::string& name, std::int16_t paramCount, const std::string& body) {
        cUserFunction& function = UserFunctions[FuncCount];
        function.name = name;
        function.paramCount = paramCount;
        function.tree = std::make_unique<cParseTree>(body);
        ++FuncCount;
    }

    static void DeclareConstant(const std::string& name, double value) {
        Constants[ConstCount].name = name;
        Constants[ConstCount].value = value;
        ++ConstCount;
    }

private:
    static void RecordProgress(std::uint16_t line, std::uint32_t activity, std::uint32_t total,
                               std::uint32_t done) {
        Calls().emplace_back(line, activity, total, done);
    }
    static void RecordReport(const char* function, const char* kind) {
        Reports().push_back(std::string(function) + ": " + kind + " error");
    }
    static tProgressHook RestoreProgress() {
        return [](std::uint16_t, std::uint32_t, std::uint32_t, std::uint32_t) {};
    }
    static tMathErrorHook RestoreReport() {
        return [](const char*, const char*) {};
    }
};

// SPDX-License-Identifier: GPL-3.0-or-later
// A set-up engine for each test, with the progress calls and math-library reports recorded. Every
// engine setting, hook and the decimal separator are restored when the test ends, whatever it changed.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "engine/Parser_core.h"

struct cProgressCall {
    unsigned line;
    unsigned activity;
    unsigned total;
    unsigned done;
    bool operator==(const cProgressCall&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const cProgressCall& call) {
    return out << '(' << call.line << ',' << call.activity << ',' << call.total << ',' << call.done << ')';
}

// Takes a copy of the engine's settings, hooks and decimal separator, and puts them back when it goes.
class cEngineGlobalsSnapshot {
public:
    cEngineGlobalsSnapshot();
    ~cEngineGlobalsSnapshot();
    cEngineGlobalsSnapshot(const cEngineGlobalsSnapshot&) = delete;
    cEngineGlobalsSnapshot& operator=(const cEngineGlobalsSnapshot&) = delete;

private:
    std::int32_t maxConst_ = MaxConst;
    std::int32_t maxFunc_ = MaxFunc;
    std::uint16_t refAlloc_ = RefAlloc;
    std::uint16_t angleMode_ = AngleMode;
    char decimalSeparator_ = DecimalSeparator;
    tProgressHook progress_ = ProgressHook;
    tReadHook read_ = ReadHook;
    tWriteHook write_ = WriteHook;
    tMathErrorHook mathError_ = MathErrorHook;
    tPollHook poll_ = PollHook;
};

class cEngineTest : public ::testing::Test {
public:
    static std::vector<cProgressCall>& Calls();
    static std::vector<std::string>& Reports();

protected:
    explicit cEngineTest(std::int32_t maxConst = DefaultMaxConst, std::int32_t maxFunc = DefaultMaxFunc,
                         std::uint16_t refAlloc = DefaultRefAlloc);
    void SetUp() override;
    void TearDown() override;

    // Parses and evaluates a formula in a fresh tree.
    static double Eval(const std::string& formula);

    // Makes a live user function with the given parameter count and body (already in a, b, ...), or a
    // live constant, without going through the declaration store.
    static void DeclareFunction(const std::string& name, std::int16_t paramCount, const std::string& body);
    static void DeclareConstant(const std::string& name, double value);

private:
    cEngineGlobalsSnapshot saved_;
    std::int32_t maxConst_;
    std::int32_t maxFunc_;
    std::uint16_t refAlloc_;
};

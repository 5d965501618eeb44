// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine_fixture.h"

namespace {

void RecordProgress(std::uint16_t line, std::uint32_t activity, std::uint32_t total, std::uint32_t done) {
    cEngineTest::Calls().push_back({line, activity, total, done});
}

void RecordReport(const char* function, const char* kind) {
    cEngineTest::Reports().push_back(std::string(function) + ": " + kind + " error");
}

}  // namespace

cEngineGlobalsSnapshot::cEngineGlobalsSnapshot() = default;

cEngineGlobalsSnapshot::~cEngineGlobalsSnapshot() {
    MaxConst = maxConst_;
    MaxFunc = maxFunc_;
    RefAlloc = refAlloc_;
    AngleMode = angleMode_;
    DecimalSeparator = decimalSeparator_;
    ProgressHook = progress_;
    ReadHook = read_;
    WriteHook = write_;
    MathErrorHook = mathError_;
    PollHook = poll_;
}

cEngineTest::cEngineTest(std::int32_t maxConst, std::int32_t maxFunc, std::uint16_t refAlloc)
    : maxConst_(maxConst), maxFunc_(maxFunc), refAlloc_(refAlloc) {}

void cEngineTest::SetUp() {
    Calls().clear();
    Reports().clear();
    ProgressHook = RecordProgress;
    MathErrorHook = RecordReport;
    MaxConst = maxConst_;
    MaxFunc = maxFunc_;
    RefAlloc = refAlloc_;
    InitEngine();
}

void cEngineTest::TearDown() {
    DiscardConstWork();
    DiscardFuncWork();
    DoneEngine();
}

std::vector<cProgressCall>& cEngineTest::Calls() {
    static std::vector<cProgressCall> calls;
    return calls;
}

std::vector<std::string>& cEngineTest::Reports() {
    static std::vector<std::string> reports;
    return reports;
}

double cEngineTest::Eval(const std::string& formula) {
    cParseTree tree(formula);
    return tree.Evaluate();
}

void cEngineTest::DeclareFunction(const std::string& name, std::int16_t paramCount, const std::string& body) {
    cUserFunction& function = UserFunctions[FuncCount];
    function.name = name;
    function.paramCount = paramCount;
    function.tree = std::make_unique<cParseTree>(body);
    ++FuncCount;
}

void cEngineTest::DeclareConstant(const std::string& name, double value) {
    Constants[ConstCount].name = name;
    Constants[ConstCount].value = value;
    ++ConstCount;
}

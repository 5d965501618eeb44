// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the parser and the evaluator as a formula.
//
// The first byte sets the scene, the rest is the formula. The byte modulo 3 is the angle mode, so that
// the degree and grad versions of the trigonometric functions are reached. Divided by 3 and odd, the
// work limit stops the input with an exception of the fuzzer's own instead of cCalculationCancelled,
// since a front end may raise either from its hooks. Divided by 6 and odd, the formula is calculated on
// a thread with a small stack, where the nesting limit is reached by formulas some dozens of levels
// deep. So the digits 0, 1 and 2 choose radians, degrees and grads; 3 to 5 the same with the fuzzer's
// exception; 6 to 8 the same as 0 to 2 on the small stack.
//
// Each input meets a fresh engine whose constants and user functions are declared through the store
// and committed, as the declaration editor does, so that bodies hold chains of calls, binding operators
// and constant references exactly as the program builds them.
#include <pthread.h>

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string_view>
#include <vector>

#include "engine/Parser_core.h"

namespace {

void Require(bool condition, const char* what);
void Declare();
void CalculateAndCheck(std::string_view formula);
void OnSmallStack(std::string_view formula);
void CheckPlace(const cParseFailure& failure, std::size_t formulaSize);
void CountedProgress(std::uint16_t line, std::uint32_t activity, std::uint32_t total, std::uint32_t done);
void CountedPoll();

// Work steps an input may take. A progress call is one step; a poll stands for the PollInterval quiet
// steps before it, so that sum('i';1;1E9;i) and a solve around it are both stopped within milliseconds.
constexpr std::uint64_t WorkLimit = std::uint64_t{1} << 17;

struct cWorkExhausted {};
enum class ptStop { Cancel, OwnException };

std::uint64_t WorkLeft = 0;
ptStop StopWith = ptStop::Cancel;
// The progress lines open at the moment, innermost last: every line opened must be closed, in order,
// whatever ends the evaluation.
std::vector<std::uint16_t> OpenLines;

// A thread with a small stack that calculates the formulas handed to it, one at a time.
class cSmallStackThread {
public:
    cSmallStackThread();
    ~cSmallStackThread();
    void Calculate(std::string_view formula);

private:
    static void* Serve(void* self);

    pthread_t thread_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::string_view formula_;
    bool pending_ = false;
    bool stop_ = false;
};

// Keeps every input's engine apart from the next one's: the callees' variables and the tables start
// afresh.
struct cEngineSession {
    explicit cEngineSession(std::uint16_t angleMode) {
        AngleMode = angleMode;
        ProgressHook = [](std::uint16_t, std::uint32_t, std::uint32_t, std::uint32_t) {};
        InitEngine();
        Declare();
    }
    ~cEngineSession() { DoneEngine(); }
};

}  // namespace

// Small tables: every input allocates them afresh.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    MaxConst = 8;
    MaxFunc = 12;
    PollHook = CountedPoll;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t scene = data[0];
    StopWith = (scene / 3) % 2 == 0 ? ptStop::Cancel : ptStop::OwnException;
    const cEngineSession session(scene % 3);
    const std::string_view formula(reinterpret_cast<const char*>(data) + 1, size - 1);
    if ((scene / 6) % 2 == 0) {
        CalculateAndCheck(formula);
    } else {
        OnSmallStack(formula);
    }
    return 0;
}

namespace {

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

// Names of two letters or more, so that they are constants and not variables; a function may call only
// those before it. The dictionary (formula.dict) holds every name.
void Declare() {
    static const char* const constants[] = {"gg=9.81", "cc=2.99792458E8", "nn=-1", "zz=0", "hh=1E300"};
    static const char* const functions[] = {
        "fa(x;y)=x*y-gg",
        "fb(t)=fa(t;t)+gg*t^2/2",
        "fc(n)=sum('i';1;n;fb(i))",
        "fd(x;y;z)=integral('t';x;y;fa(t;z))/(y-x)",
        "fe(x)=solve('u';0;x;fb(u)-x)",
        "ff(x)=derivative('v';x;fc(v)*sin(v))",
        "fg()=pi()*cc+e()^nn",
        "fh(n)=pro('k';1;n;1+1/k)*hh",
        "fi(x)=fe(fd(x;nn;zz))/zz",
        "fj(a;b;c;d;e;f;g;h;i;j;k;l;m;n;o;p;q;r;s;t;u;v;w;x;y;z)=a-z+fg()",
    };
    BeginConstWork();
    for (const char* definition : constants)
        Require(AddConstant(definition, "fuzz"), "constant added");
    Require(CommitConstWork() == CommitSucceeded, "constants committed");
    BeginFuncWork();
    for (const char* definition : functions)
        Require(AddFunction(definition, "fuzz"), "function added");
    Require(CommitFuncWork() == CommitSucceeded, "functions committed");
}

// Parses and evaluates within the work limit. Whatever ends the evaluation, every progress line it
// opened is closed and no tree is left quiet.
void CalculateAndCheck(std::string_view formula) {
    cParseTree tree;
    try {
        tree.Parse(formula);
    } catch (const cParseFailure& failure) {
        CheckPlace(failure, formula.size());
        return;
    }
    WorkLeft = WorkLimit;
    OpenLines.clear();
    ProgressHook = CountedProgress;
    try {
        tree.Evaluate();
    } catch (const cCalcFailure&) {
    } catch (const cCalculationCancelled&) {
    } catch (const cWorkExhausted&) {
    }
    Require(OpenLines.empty(), "every progress line closed");
    Require(tree.quiet == 0, "the formula's tree is not left quiet");
    for (std::int32_t i = 0; i < FuncCount; ++i)
        Require(UserFunctions[i].tree->quiet == 0, "no function's tree is left quiet");
}

// The parser and the evaluator measure the room left on the running thread's stack, so on a small stack
// their limits are within reach of short formulas, and the calls of user functions count too. One
// thread, started by the first such input, serves them all, so that no input pays for starting one.
void OnSmallStack(std::string_view formula) {
    static cSmallStackThread thread;
    thread.Calculate(formula);
}

cSmallStackThread::cSmallStackThread() {
    constexpr std::size_t stackSize = 128 * 1024;
    pthread_attr_t attributes;
    Require(pthread_attr_init(&attributes) == 0 && pthread_attr_setstacksize(&attributes, stackSize) == 0,
            "thread attributes set");
    Require(pthread_create(&thread_, &attributes, Serve, this) == 0, "thread started");
    pthread_attr_destroy(&attributes);
}

cSmallStackThread::~cSmallStackThread() {
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
    }
    changed_.notify_all();
    pthread_join(thread_, nullptr);
}

void cSmallStackThread::Calculate(std::string_view formula) {
    std::unique_lock lock(mutex_);
    formula_ = formula;
    pending_ = true;
    changed_.notify_all();
    changed_.wait(lock, [this] { return !pending_; });
}

void* cSmallStackThread::Serve(void* self) {
    auto& thread = *static_cast<cSmallStackThread*>(self);
    std::unique_lock lock(thread.mutex_);
    while (true) {
        thread.changed_.wait(lock, [&thread] { return thread.pending_ || thread.stop_; });
        if (thread.stop_) return nullptr;
        CalculateAndCheck(thread.formula_);
        thread.pending_ = false;
        thread.changed_.notify_all();
    }
}

// A failure names characters of the formula as given, or an empty range where something is missing.
void CheckPlace(const cParseFailure& failure, std::size_t formulaSize) {
    if (failure.first == -1 && failure.last == -1) return;
    const auto size = static_cast<int>(formulaSize);
    Require(failure.first >= 0 && failure.first <= size, "failure starts in the formula");
    Require(failure.last >= failure.first - 1 && failure.last < size, "failure ends in the formula");
}

void Spend(std::uint64_t steps) {
    if (steps <= WorkLeft) {
        WorkLeft -= steps;
        return;
    }
    WorkLeft = 0;
    if (StopWith == ptStop::Cancel) throw cCalculationCancelled();
    throw cWorkExhausted{};
}

// A line opens with done 0; the steps after it count from 1. A tree whose counting fails closes its
// line without having opened it: the main tree's line 0, or a callee's one below its caller's.
void CountedProgress(std::uint16_t line, std::uint32_t activity, std::uint32_t, std::uint32_t done) {
    if (activity == ActivityIdle) {
        if (!OpenLines.empty() && OpenLines.back() == line) {
            OpenLines.pop_back();
        } else {
            const auto below = static_cast<std::uint16_t>(OpenLines.empty() ? 0 : OpenLines.back() + 1);
            Require(line == below, "a line closes as the last one opened, or the one below it");
        }
        return;
    }
    if (done == 0) OpenLines.push_back(line);
    Spend(1);
}

void CountedPoll() {
    Spend(PollInterval);
}

}  // namespace

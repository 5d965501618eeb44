// SPDX-License-Identifier: GPL-3.0-or-later
// The speed figures of docs/SPEED.md in one run: the workloads W1 and W2 through the engine and, when
// the build found muparser, through a muparser loop; single built-in calls against the C library's
// functions on the same arguments; and the loading of libraries of N constants and N functions that use
// them. Times are processor time (steadier than wall time on a shared machine), the best of several
// repetitions. Run: build/dev/bench/speed_compare [repetitions [workloads|calls|load]]
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "common/engine_session.h"
#include "engine/Parser_core.h"

#if defined(ORVANE_HAVE_MUPARSER)
#include <muParser.h>
#endif

namespace {

int Repetitions = 5;

double ProcessSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The best processor time of the repetitions, in seconds.
double Best(const std::function<void()>& work) {
    double best = 1e30;
    for (int i = 0; i < Repetitions; ++i) {
        const double start = ProcessSeconds();
        work();
        best = std::min(best, ProcessSeconds() - start);
    }
    return best;
}

volatile double Sink = 0;

const char* const W1 = "sum('i';1;10000000;i^2)";
const char* const W1Product = "sum('i';1;10000000;i*i)";
const char* const W2 = "sum('x';1;1000000;sin(x/1000)*cos(x/2000)+sqrt(x)/(1+x^2)-ln(x)*0.5)";

void NoProgress(std::uint16_t, std::uint32_t, std::uint32_t, std::uint32_t) {}

double EngineTime(const char* formula, std::uint16_t angleMode) {
    const cEngineSession session(cEngineSettings{.angleMode = angleMode});
    ProgressHook = NoProgress;
    cParseTree tree(formula);
    return Best([&] { Sink = tree.Evaluate(); });
}

#if defined(ORVANE_HAVE_MUPARSER)
// The same sums as a C++ loop over a muparser expression with its variable bound to the loop counter;
// degrees through two functions of our own, as the calculator converts them.
double DegreeSin(double x) {
    return std::sin(x * 3.141592653589793 / 180);
}
double DegreeCos(double x) {
    return std::cos(x * 3.141592653589793 / 180);
}

double MuparserTime(const char* expression, double last) {
    mu::Parser parser;
    double variable = 0;
    parser.DefineVar("x", &variable);
    parser.DefineFun("sind", DegreeSin);
    parser.DefineFun("cosd", DegreeCos);
    parser.SetExpr(expression);
    return Best([&] {
        double sum = 0;
        for (variable = 1; variable <= last; variable += 1)
            sum += parser.Eval();
        Sink = sum;
    });
}
#endif

void Row(const char* name, double seconds, double peer, const char* peerName) {
    if (peer > 0)
        std::printf("%-44s %10.1f ms   %-12s %8.1f ms   ratio %.2f\n", name, seconds * 1e3, peerName,
                    peer * 1e3, seconds / peer);
    else
        std::printf("%-44s %10.1f ms\n", name, seconds * 1e3);
}

void Workloads() {
    std::puts("Workloads (best processor time)");
    const double w1 = EngineTime(W1, 1);
    const double w1Product = EngineTime(W1Product, 1);
    const double w2 = EngineTime(W2, 1);
    double w1Peer = 0, w2Peer = 0;
#if defined(ORVANE_HAVE_MUPARSER)
    w1Peer = MuparserTime("x^2", 1e7);
    w2Peer = MuparserTime("sind(x/1000)*cosd(x/2000)+sqrt(x)/(1+x^2)-ln(x)*0.5", 1e6);
#endif
    Row("W1 sum('i';1;10000000;i^2)", w1, w1Peer, "muparser");
    Row("   the same with i*i", w1Product, 0, "");
    std::printf("   i^2 against i*i: %.2f\n", w1 / w1Product);
    Row("W2 sum('x';1;1000000;...), degrees", w2, w2Peer, "muparser");
#if !defined(ORVANE_HAVE_MUPARSER)
    std::puts("   (muparser not found at build time: no comparison)");
#endif
}

std::vector<double> Arguments(double low, double high) {
    std::mt19937_64 random(20261209);
    std::uniform_real_distribution<double> uniform(low, high);
    std::vector<double> values(4096);
    for (double& value : values)
        value = uniform(random);
    return values;
}

constexpr int CallRounds = 500;  // calls per measurement: rounds times the arguments

double PerCall(const std::vector<double>& arguments, double (*function)(double)) {
    const double seconds = Best([&] {
        double sum = 0;
        for (int round = 0; round < CallRounds; ++round)
            for (const double x : arguments)
                sum += function(x);
        Sink = sum;
    });
    return seconds / (static_cast<double>(CallRounds) * static_cast<double>(arguments.size()));
}

double LibrarySin(double x) {
    return std::sin(x);
}
double LibraryCos(double x) {
    return std::cos(x);
}
double LibraryTan(double x) {
    return std::tan(x);
}
double LibraryExp(double x) {
    return std::exp(x);
}
double LibraryLog(double x) {
    return std::log(x);
}

// Each built-in through its table entry, as the evaluator calls it.
void SingleCalls() {
    std::puts("\nOne call, through the built-in table, against the C library (best time per call)");
    struct cCase {
        const char* name;
        const char* builtin;
        std::uint16_t angleMode;
        double (*library)(double);
        double low, high;
    };
    const cCase cases[] = {
        {"sin, radians, [-10, 10]", "sin", 0, LibrarySin, -10, 10},
        {"cos, radians, [-10, 10]", "cos", 0, LibraryCos, -10, 10},
        {"tan, radians, [-10, 10]", "tan", 0, LibraryTan, -10, 10},
        {"exp, [-700, 700]", "exp", 0, LibraryExp, -700, 700},
        {"ln, (0, 1e6]", "ln", 0, LibraryLog, 1e-300, 1e6},
        {"sin, degrees, [-360, 360] (C library: radians)", "sin", 1, LibrarySin, -360, 360},
    };
    for (const cCase& row : cases) {
        const cEngineSession session(cEngineSettings{.angleMode = row.angleMode});
        double (*builtin)(double) = nullptr;
        for (std::int32_t i = 0; i < BasicCount; ++i)
            if (BasicFunctions[i].name && *BasicFunctions[i].name == row.builtin)
                builtin = BasicFunctions[i].fn1;
        const std::vector<double> arguments = Arguments(row.low, row.high);
        const double own = PerCall(arguments, builtin);
        const double library = PerCall(arguments, row.library);
        std::printf("%-48s %7.1f ns   C library %6.1f ns   ratio %.2f\n", row.name, own * 1e9, library * 1e9,
                    own / library);
    }
}

// ---------------------------------------------------------------------------------------------------
// Library load: N constants, then N functions each using its constant, read through ReadHook.

std::string Bytes;
std::size_t ReadPosition = 0;

std::int32_t ReadBytes(void* buffer, std::int32_t count) {
    const std::size_t moved =
        std::min<std::size_t>(static_cast<std::size_t>(count), Bytes.size() - ReadPosition);
    std::memcpy(buffer, Bytes.data() + ReadPosition, moved);
    ReadPosition += moved;
    return static_cast<std::int32_t>(moved);
}

std::string Text16(const std::string& text) {
    return std::string{static_cast<char>(text.size() & 0xFF), static_cast<char>(text.size() >> 8)} + text;
}

// Names of letters only: the number spelt with a to j.
std::string Letters(int number) {
    std::string name;
    for (const char digit : std::to_string(number))
        name += static_cast<char>('a' + (digit - '0'));
    return name;
}

std::string Library(const char* magic, int count, const std::function<std::string(int)>& definition) {
    std::string bytes = std::string(magic, 3) + std::string("\x01\x01", 2);
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>(static_cast<std::uint32_t>(count) >> (8 * i));
    for (int i = 0; i < count; ++i)
        bytes += Text16(definition(i)) + Text16("");
    return bytes;
}

double LoadTime(int count) {
    const std::string constants =
        Library("OVC", count, [](int i) { return "kk" + Letters(i) + "=" + std::to_string(i) + ".5"; });
    const std::string functions = Library("OVF", count, [count](int i) {
        return "ff" + Letters(i) + "(x)=x*kk" + Letters(i) + "+kk" + Letters(count - 1 - i);
    });
    std::optional<cEngineSession> engine;
    double best = 1e30;
    for (int repetition = 0; repetition < Repetitions; ++repetition) {
        engine.reset();
        engine.emplace(cEngineSettings{.maxConst = count, .maxFunc = count});
        ReadHook = ReadBytes;
        ProgressHook = NoProgress;
        const double start = ProcessSeconds();
        Bytes = constants;
        ReadPosition = 0;
        const std::int32_t constResult = LoadConstLibrary();
        Bytes = functions;
        ReadPosition = 0;
        const std::int32_t funcResult = LoadFuncLibrary();
        best = std::min(best, ProcessSeconds() - start);
        if (constResult != LoadSucceeded || funcResult != LoadSucceeded) {
            std::printf("the libraries did not load: %d %d\n", constResult, funcResult);
            std::exit(1);
        }
    }
    return best;
}

void LibraryLoad() {
    std::puts("\nLoading N constants and N functions that use them (best processor time)");
    const double small = LoadTime(3000);
    const double large = LoadTime(9000);
    std::printf("N = 3000: %.1f ms   N = 9000: %.1f ms   ratio %.2f\n", small * 1e3, large * 1e3,
                large / small);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) Repetitions = std::max(1, std::atoi(argv[1]));
    const std::string part = argc > 2 ? argv[2] : "";
    double load[3] = {};
    if (getloadavg(load, 3) == 3)
        std::printf("load average before: %.2f %.2f %.2f\n\n", load[0], load[1], load[2]);
    if (part.empty() || part == "workloads") Workloads();
    if (part.empty() || part == "calls") SingleCalls();
    if (part.empty() || part == "load") LibraryLoad();
    if (getloadavg(load, 3) == 3)
        std::printf("\nload average after: %.2f %.2f %.2f\n", load[0], load[1], load[2]);
    return 0;
}

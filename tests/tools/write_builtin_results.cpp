// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the built-in results table (tests/engine/data/builtin_results.tsv) from the engine as it is
// built: for every built-in and angle mode some 1100 arguments, chosen where the platform's maths
// libraries are known to differ (multiples of right angles, huge and tiny arguments, range edges)
// and at random. Run: cmake --build --preset dev --target write_builtin_results &&
// build/dev/tests/tools/write_builtin_results > tests/engine/data/builtin_results.tsv
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "engine/builtin_results.h"

namespace {

using tArguments = std::vector<std::pair<double, double>>;

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double Pi = 3.141592653589793;

std::mt19937_64 Random(20261209);

double Uniform(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(Random);
}
// A value spread evenly over the binary exponents from 2^low to 2^high, with a random sign when asked.
double LogUniform(int low, int high, bool anySign) {
    const double value = std::ldexp(Uniform(1, 2), std::uniform_int_distribution<int>(low, high - 1)(Random));
    return anySign && Random() % 2 ? -value : value;
}

void AddWithNeighbours(tArguments& arguments, double x) {
    arguments.push_back({std::nextafter(x, -Inf), 0});
    arguments.push_back({x, 0});
    arguments.push_back({std::nextafter(x, Inf), 0});
}

void AddCommonEdges(tArguments& arguments) {
    for (double x : {0.0, -0.0, Inf, -Inf, std::numeric_limits<double>::quiet_NaN(), 5e-324, -5e-324,
                     2.2250738585072014e-308, 1e-300, 1e-20, 1e-8, 0.5, 1.0, -1.0, 2.0, 1e300,
                     1.7976931348623157e308, -1.7976931348623157e308})
        arguments.push_back({x, 0});
}

// Angles in the mode's unit: multiples of the right angle and its halves and thirds, huge multiples,
// the radian limit 2^53 in this unit, tiny angles and random ones.
tArguments TrigArguments(double rightAngle) {
    tArguments arguments;
    AddCommonEdges(arguments);
    for (int k = -200; k <= 200; ++k)
        arguments.push_back({k * rightAngle, 0});
    for (int k = -60; k <= 60; ++k) {
        arguments.push_back({k * rightAngle / 2, 0});
        arguments.push_back({k * rightAngle / 3, 0});
    }
    for (int power = 10; power <= 60; ++power) {
        arguments.push_back({std::ldexp(rightAngle, power), 0});
        arguments.push_back({std::ldexp(rightAngle, power) + rightAngle, 0});
    }
    for (double x : {1e15, 1e16, 1e17, 1e22, 9007199254740991.0, 9007199254740992.0, 4503599627370496.5})
        AddWithNeighbours(arguments, x);
    const double radianLimit = std::ldexp(rightAngle / (Pi / 2), 53);
    for (int k = 0; k < 20; ++k)
        arguments.push_back({std::nextafter(radianLimit, 0.0) - k * 7.0 * rightAngle, 0});
    while (arguments.size() < 1100) {
        arguments.push_back({Uniform(-4 * rightAngle, 4 * rightAngle), 0});
        arguments.push_back({LogUniform(-30, 60, true), 0});
        arguments.push_back({std::round(Uniform(-1e6, 1e6)), 0});
    }
    return arguments;
}

tArguments InverseTrigArguments(bool boundedByOne) {
    tArguments arguments;
    AddCommonEdges(arguments);
    for (int k = -100; k <= 100; ++k)
        arguments.push_back({k / 100.0, 0});
    for (double x : {0.5, -0.5, std::sqrt(0.5), std::sqrt(3.0) / 2, 1.0, -1.0, 1e-5, 0.99999999})
        AddWithNeighbours(arguments, x);
    while (arguments.size() < 1100) {
        arguments.push_back({Uniform(-1, 1), 0});
        arguments.push_back({LogUniform(-40, boundedByOne ? 0 : 70, true), 0});
    }
    return arguments;
}

tArguments SpreadArguments(double low, double high, int lowPower, int highPower, std::vector<double> edges) {
    tArguments arguments;
    AddCommonEdges(arguments);
    for (double x : edges)
        AddWithNeighbours(arguments, x);
    for (int k = -40; k <= 40; ++k)
        arguments.push_back({k / 4.0, 0});
    while (arguments.size() < 1100) {
        arguments.push_back({Uniform(low, high), 0});
        arguments.push_back({LogUniform(lowPower, highPower, low < 0), 0});
    }
    return arguments;
}

tArguments PowArguments() {
    tArguments arguments;
    const double bases[] = {0.0, -0.0, 5e-324, 0.5, 1.0, -1.0, 2.0, -2.0, 10.0, -10.0, 1.797e308, Inf, -Inf};
    const double exponents[] = {0.0,  0.5, 1.0,      -1.0,  2.0, 3.0,  -2.0,
                                1e19, 309, 1023.999, -1074, Inf, -Inf, 1.0 / 3};
    for (double x : bases)
        for (double y : exponents)
            arguments.push_back({x, y});
    while (arguments.size() < 2000) {
        arguments.push_back({LogUniform(-60, 60, false), Uniform(-40, 40)});
        arguments.push_back({Uniform(-100, 100), std::round(Uniform(-300, 300))});
        arguments.push_back({LogUniform(-1074, 1024, false), Uniform(-2, 2)});
        arguments.push_back({Uniform(0, 3), LogUniform(-20, 12, true)});
    }
    return arguments;
}

std::string Number(double value) {
    char text[40];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

void WriteRows(const char* mode, const std::string& function, const tArguments& arguments) {
    DoneEngine();
    AngleMode = AngleModeNamed(mode);
    InitEngine();
    for (const auto& [x, y] : arguments) {
        const cBuiltinResult result = BuiltinResult(function, x, y);
        std::printf("%s\t%s\t%s\t%s\t%s\t%s\n", mode, function.c_str(), Number(x).c_str(), Number(y).c_str(),
                    result.text.c_str(), result.reports.c_str());
    }
}

}  // namespace

int main() {
    ProgressHook = [](std::uint16_t, std::uint32_t, std::uint32_t, std::uint32_t) {};
    InitEngine();
    std::printf("# mode\tfunction\tx\ty\tresult text\treports\n");
    const std::pair<const char*, double> modes[] = {{"rad", Pi / 2}, {"deg", 90}, {"gra", 100}};
    for (const auto& [mode, rightAngle] : modes) {
        const tArguments angles = TrigArguments(rightAngle);
        for (const char* function : {"sin", "cos", "tan"})
            WriteRows(mode, function, angles);
        WriteRows(mode, "arcsin", InverseTrigArguments(true));
        WriteRows(mode, "arccos", InverseTrigArguments(true));
        WriteRows(mode, "arctan", InverseTrigArguments(false));
    }
    WriteRows("rad", "ln", SpreadArguments(0, 1e6, -1074, 1024, {1.0, 2.0, 0.5, 10.0, 2.718281828459045}));
    WriteRows(
        "rad", "exp",
        SpreadArguments(-750, 720, -60, 10, {709.782712893384, -745.1332191019411, -708.39599609375, 1.0}));
    WriteRows("rad", "sqrt", SpreadArguments(0, 1e6, -1074, 1024, {2.0, 4.0, 1e-300}));
    WriteRows("rad", "sinh",
              SpreadArguments(-720, 720, -60, 10, {710.4758600739439, -710.4758600739439, 1e-8}));
    WriteRows("rad", "cosh",
              SpreadArguments(-720, 720, -60, 10, {710.4758600739439, -710.4758600739439, 1e-8}));
    WriteRows("rad", "tanh", SpreadArguments(-25, 25, -60, 6, {0.5, 1e-8, 19.0, 22.0}));
    WriteRows("rad", "pow", PowArguments());
    WriteRows("rad", "pi", {{0, 0}});
    WriteRows("rad", "e", {{0, 0}});
    DoneEngine();
}

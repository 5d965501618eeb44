#include "angle_modes.h"

#include <array>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "Parser_core.h"

namespace {

constexpr std::array<std::string_view, 3> ModeNames = {"rad", "deg", "gra"};

// The built-in table's entries as InitEngine fills them for one mode.
using cBuiltInSet = std::vector<std::pair<std::string, tBasicFn1>>;
std::array<cBuiltInSet, ModeNames.size()> BuiltInsByMode;

}  // namespace

void LearnAngleModes() {
    // Empty declaration tables keep the extra set-ups cheap, whatever the settings' capacities.
    const auto session = std::tuple(AngleMode, MaxConst, MaxFunc);
    MaxConst = MaxFunc = 0;
    for (std::uint16_t mode = 0; mode < ModeNames.size(); ++mode) {
        AngleMode = mode;
        InitEngine();
        for (std::int32_t i = 0; i < BasicCount; ++i)
            if (BasicFunctions[i].fn1 != nullptr)
                BuiltInsByMode[mode].emplace_back(BasicFunctions[i].name.value_or(""), BasicFunctions[i].fn1);
        DoneEngine();
    }
    std::tie(AngleMode, MaxConst, MaxFunc) = session;
}

void SwitchAngleMode(std::uint16_t mode) {
    for (const auto& [name, function] : BuiltInsByMode.at(mode)) {
        for (std::int32_t i = 0; i < BasicCount; ++i)
            if (BasicFunctions[i].name == name)
                RegisterBasicFunction(static_cast<std::uint16_t>(i), name.c_str(), function);
    }
    AngleMode = mode;
}

std::optional<std::uint16_t> AngleModeNamed(std::string_view name) {
    for (std::uint16_t mode = 0; mode < ModeNames.size(); ++mode)
        if (ModeNames[mode] == name) return mode;
    return std::nullopt;
}

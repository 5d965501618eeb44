// SPDX-License-Identifier: GPL-3.0-or-later
#include "angle_modes.h"

#include <array>

namespace {

constexpr std::array<std::string_view, 3> ModeNames = {"rad", "deg", "gra"};

}  // namespace

std::optional<std::uint16_t> AngleModeNamed(std::string_view name) {
    for (std::uint16_t mode = 0; mode < ModeNames.size(); ++mode)
        if (ModeNames[mode] == name) return mode;
    return std::nullopt;
}

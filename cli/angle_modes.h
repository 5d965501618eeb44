// SPDX-License-Identifier: GPL-3.0-or-later
// The names of the angle modes, as options and the ":angle" command take them.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// "rad", "deg" or "gra" as 0, 1 or 2; nothing for any other text.
std::optional<std::uint16_t> AngleModeNamed(std::string_view name);

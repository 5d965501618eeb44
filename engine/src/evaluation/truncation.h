// SPDX-License-Identifier: GPL-3.0-or-later
// Truncation of a value to the integers that sum, pro and the bound-variable letter use.
#pragma once

#include <cstdint>

// Toward zero to a 64-bit integer, keeping its low 32 bits as a signed integer; NaN, infinities and
// values outside the 64-bit range give 0.
inline std::int32_t TruncateToInt32(double value) {
    if (!(value >= -9223372036854775808.0 && value < 9223372036854775808.0)) return 0;
    const auto wide = static_cast<std::int64_t>(value);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(wide)));
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The four engine settings and the settings file "Orvane.ini" that holds them.
//
// Both front ends read the file once at start-up; the preferences dialog writes it for the next start.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include "common/file_problems.h"
#include "engine/Parser_core.h"  // the defaults

inline constexpr const char* SettingsFileName = "Orvane.ini";
inline constexpr const char* ParserSection = "Parser";
inline constexpr const char* CalculationSection = "Calculation";
inline constexpr const char* MaxConstKey = "MaxConst";
inline constexpr const char* MaxFuncKey = "MaxFunc";
inline constexpr const char* RefAllocKey = "RefAlloc";
inline constexpr const char* AngleModeKey = "AngleMode";

inline constexpr std::int32_t MaxCapacity = 9999;  // the largest table the preferences dialog offers

// The values as the file holds them: each key read as an integer, its default when the file, the
// section or the key is missing or the text is not an integer. The preferences dialog shows these.
struct cSettingsFileValues {
    std::int32_t maxConst = DefaultMaxConst;
    std::int32_t maxFunc = DefaultMaxFunc;
    std::int32_t refAlloc = DefaultRefAlloc;
    std::int32_t angleMode = DefaultAngleMode;
};

// The values as the engine holds them: RefAlloc and AngleMode keep the low 16 bits of what was read.
// Values the engine cannot work with fall back to their defaults: an AngleMode other than 0, 1 or 2,
// and a MaxConst or MaxFunc outside 0 to MaxCapacity (a table that large could not be allocated).
struct cEngineSettings {
    std::int32_t maxConst = DefaultMaxConst;
    std::int32_t maxFunc = DefaultMaxFunc;
    std::uint16_t refAlloc = DefaultRefAlloc;
    std::uint16_t angleMode = DefaultAngleMode;
};

cSettingsFileValues ReadSettingsFile(const std::filesystem::path& path);
cEngineSettings ReadEngineSettings(const std::filesystem::path& path);

// Why the settings file at path may not be written: it is there but cannot be read whole (too large,
// not a regular file, unreadable, a loop of links), so writing it would lose what was not read, or it
// may not be replaced (file_problems.h). Nothing when it may be written.
std::optional<cFileFailure> SettingsFileProblem(const std::filesystem::path& path);

// Writes all four keys, [Parser] before [Calculation], keeping every other line of an existing file; a
// symbolic link is followed and stays. False when the file could not be written or SettingsFileProblem
// refuses it; the old file is then unchanged.
bool WriteSettingsFile(const std::filesystem::path& path, const cSettingsFileValues& values);

// Writes one key as WriteSettingsFile writes the four: every other line stays.
bool WriteSettingsKey(const std::filesystem::path& path, const char* section, const char* key,
                      std::int32_t value);

// Copies the settings into the engine's globals; call before InitEngine.
void ApplyEngineSettings(const cEngineSettings& settings);

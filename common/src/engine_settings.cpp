// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/engine_settings.h"

#include <variant>

#include "common/profile_file.h"
#include "engine/Parser_core.h"

namespace {

std::uint16_t LowWord(std::int32_t value) {
    return static_cast<std::uint16_t>(static_cast<std::uint32_t>(value) & 0xFFFFu);
}

std::int32_t CapacityOrDefault(std::int32_t value, std::int32_t defaultValue) {
    return (value < 0 || value > MaxCapacity) ? defaultValue : value;
}

// The file as it is, to be written back with the four keys changed; or why it may not be.
std::variant<cProfileFile, cFileFailure> ReadForWriting(const std::filesystem::path& path) {
    if (auto problem = SaveTargetProblem(path)) return std::move(*problem);
    return cProfileFile::Read(path);
}

}  // namespace

cSettingsFileValues ReadSettingsFile(const std::filesystem::path& path) {
    const auto file = cProfileFile::Load(path);
    cSettingsFileValues values;
    values.maxConst = file.ReadInteger(ParserSection, MaxConstKey, DefaultMaxConst);
    values.maxFunc = file.ReadInteger(ParserSection, MaxFuncKey, DefaultMaxFunc);
    values.refAlloc = file.ReadInteger(ParserSection, RefAllocKey, DefaultRefAlloc);
    values.angleMode = file.ReadInteger(CalculationSection, AngleModeKey, DefaultAngleMode);
    return values;
}

cEngineSettings ReadEngineSettings(const std::filesystem::path& path) {
    const auto values = ReadSettingsFile(path);
    cEngineSettings settings;
    settings.maxConst = CapacityOrDefault(values.maxConst, DefaultMaxConst);
    settings.maxFunc = CapacityOrDefault(values.maxFunc, DefaultMaxFunc);
    settings.refAlloc = LowWord(values.refAlloc);
    settings.angleMode = LowWord(values.angleMode);
    if (settings.angleMode > 2) settings.angleMode = DefaultAngleMode;
    return settings;
}

std::optional<cFileFailure> SettingsFileProblem(const std::filesystem::path& path) {
    auto file = ReadForWriting(path);
    if (auto* failure = std::get_if<cFileFailure>(&file)) return std::move(*failure);
    return std::nullopt;
}

bool WriteSettingsFile(const std::filesystem::path& path, const cSettingsFileValues& values) {
    auto read = ReadForWriting(path);
    auto* file = std::get_if<cProfileFile>(&read);
    if (file == nullptr) return false;
    file->WriteInteger(ParserSection, MaxConstKey, values.maxConst);
    file->WriteInteger(ParserSection, MaxFuncKey, values.maxFunc);
    file->WriteInteger(ParserSection, RefAllocKey, values.refAlloc);
    file->WriteInteger(CalculationSection, AngleModeKey, values.angleMode);
    return file->Save(path);
}

bool WriteSettingsKey(const std::filesystem::path& path, const char* section, const char* key,
                      std::int32_t value) {
    auto read = ReadForWriting(path);
    auto* file = std::get_if<cProfileFile>(&read);
    if (file == nullptr) return false;
    file->WriteInteger(section, key, value);
    return file->Save(path);
}

void ApplyEngineSettings(const cEngineSettings& settings) {
    MaxConst = settings.maxConst;
    MaxFunc = settings.maxFunc;
    RefAlloc = settings.refAlloc;
    AngleMode = settings.angleMode;
}

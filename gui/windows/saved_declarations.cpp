// SPDX-License-Identifier: GPL-3.0-or-later
#include "saved_declarations.h"

#include <functional>
#include <string>

#include "engine/Parser_core.h"

namespace {

constexpr std::size_t EmptyFingerprint = 0;

std::size_t Fingerprint(const cDeclarationOperations& kind) {
    std::size_t fingerprint = EmptyFingerprint;
    const auto mix = [&fingerprint](const std::optional<std::string>& text) {
        fingerprint = fingerprint * 1000003u ^ std::hash<std::string>{}(text.value_or(std::string()));
    };
    for (std::int32_t i = 0; i < kind.count(); ++i) {
        mix(kind.definition(static_cast<std::uint32_t>(i)));
        mix(kind.description(static_cast<std::uint32_t>(i)));
    }
    return fingerprint;
}

}  // namespace

bool cSavedDeclarations::Changed(const cDeclarationOperations& kind) const {
    const auto saved = saved_.find(&kind);
    return Fingerprint(kind) != (saved == saved_.end() ? EmptyFingerprint : saved->second);
}

void cSavedDeclarations::MarkSaved(const cDeclarationOperations& kind) {
    saved_[&kind] = Fingerprint(kind);
}

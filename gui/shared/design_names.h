// SPDX-License-Identifier: GPL-3.0-or-later
// Gives components their design names as object names, so that code and tests can find them by name.
// A window lists its components once, by the members that hold them: DESIGN_NAME(EFormel) names the
// component in the member EFormel "EFormel".
#pragma once

#include <QObject>
#include <initializer_list>
#include <utility>

using tDesignName = std::pair<QObject*, const char*>;

#define DESIGN_NAME(member) \
    tDesignName {           \
        member, #member     \
    }

inline void SetDesignNames(std::initializer_list<tDesignName> components) {
    for (const auto& [component, name] : components)
        component->setObjectName(QLatin1String(name));
}

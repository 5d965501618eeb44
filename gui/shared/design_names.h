// Gives components their design names as object names, so that code and tests can find them by name.
#pragma once

#include <QObject>
#include <initializer_list>
#include <utility>

inline void SetDesignNames(std::initializer_list<std::pair<QObject*, const char*>> components) {
    for (const auto& [component, name] : components)
        component->setObjectName(QLatin1String(name));
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The selected line of a list box whose rows stand for the entries of an engine table.
#pragma once

#include <QListWidget>
#include <cstdint>
#include <optional>
#include <string>

// The row of the selected line; nothing when no line is selected (focus alone makes a line current
// without selecting it).
inline std::optional<std::uint32_t> SelectedIndex(const QListWidget* list) {
    const QListWidgetItem* item = list->currentItem();
    if (!item || !item->isSelected()) return std::nullopt;
    return static_cast<std::uint32_t>(list->currentRow());
}

// The text read for the selected entry; empty when nothing is selected or the table has no such entry
// (a list that is stale because the table changed after it was built).
inline std::string SelectedText(const QListWidget* list, std::optional<std::string> (*read)(std::uint32_t)) {
    const auto index = SelectedIndex(list);
    return index ? read(*index).value_or(std::string()) : std::string();
}

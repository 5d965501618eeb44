// SPDX-License-Identifier: GPL-3.0-or-later
#include "declaration_list.h"

#include <QListWidget>

#include "common/orvane_utils.h"
#include "engine/Parser_core.h"
#include "formula_text.h"

QString DeclarationListLine(const std::string& definition) {
    return FromEngineText(ListForm(DeclName(definition)));
}

void FillDeclarationList(QListWidget* list, const cDeclarationOperations& kind) {
    list->clear();
    for (std::int32_t i = 0; i < kind.count(); ++i)
        list->addItem(DeclarationListLine(kind.definition(static_cast<std::uint32_t>(i)).value_or("")));
    list->update();
}

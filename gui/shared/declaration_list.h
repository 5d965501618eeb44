// SPDX-License-Identifier: GPL-3.0-or-later
// The list boxes whose lines stand for the entries of a declaration table, one line an entry, in the
// table's order: the palettes' lists and the editor's.
#pragma once

#include <QString>
#include <string>

class QListWidget;
struct cDeclarationOperations;

// The line of a declaration: its name as the lists show it.
QString DeclarationListLine(const std::string& definition);

// Replaces the list's lines with one for each entry of the table.
void FillDeclarationList(QListWidget* list, const cDeclarationOperations& kind);

// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the live constants or functions have changed since they were last loaded or saved, so that
// closing the main window can offer to save them. A fingerprint of a kind's texts stands for them.
#pragma once

#include <cstddef>
#include <map>

struct cDeclarationOperations;

class cSavedDeclarations {
public:
    // True when the kind's live declarations differ from the ones last saved or loaded; the empty
    // tables of a new run count as saved.
    bool Changed(const cDeclarationOperations& kind) const;
    // The kind's live declarations are now in a file.
    void MarkSaved(const cDeclarationOperations& kind);

private:
    std::map<const cDeclarationOperations*, std::size_t> saved_;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "name_index.h"

namespace {

// Starts at 1, so that an index that has never looked anything up is not current.
std::uint64_t NameGeneration = 1;

}  // namespace

void NamesChanged() {
    ++NameGeneration;
}

bool cNameIndex::Current(const void* table, std::int32_t count) const {
    return table == table_ && generation_ == NameGeneration && count >= indexed_;
}

void cNameIndex::Restart(const void* table) {
    table_ = table;
    generation_ = NameGeneration;
    indexed_ = 0;
    first_.clear();
}

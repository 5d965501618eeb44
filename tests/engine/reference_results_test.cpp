// SPDX-License-Identifier: GPL-3.0-or-later
// The built-ins against an oracle that is not the program itself: results computed with mpmath by
// scripts/make_reference_results.py, for the arguments of the built-in results table and for fresh
// random ones, rounded and shown as the program must show them.
#include <string>
#include <vector>

#include "builtin_results.h"
#include "engine_fixture.h"

namespace {

class ReferenceResultsTest : public cEngineTest {};

TEST_F(ReferenceResultsTest, EveryRowShowsWhatMpmathComputes) {
    const std::vector<cBuiltinRow> rows = ReadBuiltinRows(ORVANE_REFERENCE_RESULTS);
    ASSERT_GT(rows.size(), 60000u) << ORVANE_REFERENCE_RESULTS;
    int mismatches = 0;
    for (const cBuiltinRow& row : rows)
        if (const std::string mismatch = RowMismatch(row); !mismatch.empty() && ++mismatches <= 50)
            ADD_FAILURE() << mismatch;
    EXPECT_EQ(mismatches, 0) << "of " << rows.size() << " rows";
}

}  // namespace

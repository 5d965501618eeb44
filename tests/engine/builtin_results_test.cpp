// SPDX-License-Identifier: GPL-3.0-or-later
// Every row of the built-in results table: the same result texts and reports on every platform the
// program is built for, whatever that platform's maths library makes of the arguments.
#include <string>
#include <vector>

#include "builtin_results.h"
#include "engine_fixture.h"

namespace {

class BuiltinResultsTest : public cEngineTest {};

TEST_F(BuiltinResultsTest, EveryRowShowsItsRecordedTextAndReports) {
    const std::vector<cBuiltinRow> rows = ReadBuiltinRows(ORVANE_BUILTIN_RESULTS);
    ASSERT_GT(rows.size(), 28000u) << ORVANE_BUILTIN_RESULTS;
    int mismatches = 0;
    for (const cBuiltinRow& row : rows)
        if (const std::string mismatch = RowMismatch(row); !mismatch.empty() && ++mismatches <= 50)
            ADD_FAILURE() << mismatch;
    EXPECT_EQ(mismatches, 0) << "of " << rows.size() << " rows";
}

}  // namespace

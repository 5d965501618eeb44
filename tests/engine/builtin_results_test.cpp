// SPDX-License-Identifier: GPL-3.0-or-later
// Every row of the built-in results tables: the table the program recorded (the same result texts
// and reports on every platform it is built for), and the reference table, computed with mpmath by
// scripts/make_reference_results.py for the same arguments and fresh random ones: an oracle that is
// not the program itself.
#include <string>
#include <vector>

#include "builtin_results.h"
#include "engine_fixture.h"

namespace {

class BuiltinResultsTest : public cEngineTest {};

void ExpectEveryRow(const char* table, std::size_t leastRows) {
    const std::vector<cBuiltinRow> rows = ReadBuiltinRows(table);
    ASSERT_GT(rows.size(), leastRows) << table;
    int mismatches = 0;
    for (const cBuiltinRow& row : rows)
        if (const std::string mismatch = RowMismatch(row); !mismatch.empty() && ++mismatches <= 50)
            ADD_FAILURE() << mismatch;
    EXPECT_EQ(mismatches, 0) << "of " << rows.size() << " rows of " << table;
}

TEST_F(BuiltinResultsTest, EveryRowShowsItsRecordedTextAndReports) {
    ExpectEveryRow(ORVANE_BUILTIN_RESULTS, 28000);
}

TEST_F(BuiltinResultsTest, EveryRowShowsWhatMpmathComputes) {
    ExpectEveryRow(ORVANE_REFERENCE_RESULTS, 60000);
}

}  // namespace

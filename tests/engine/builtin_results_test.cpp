// SPDX-License-Identifier: GPL-3.0-or-later
// Every row of the built-in results table: the same result texts and reports on every platform the
// program is built for, whatever that platform's maths library makes of the arguments.
#include <charconv>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "builtin_results.h"
#include "engine_fixture.h"

namespace {

struct cTableRow {
    std::string mode, function, x, y, text, reports;
};

double Number(const std::string& text) {
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::vector<cTableRow> ReadTable() {
    std::ifstream file(ORVANE_BUILTIN_RESULTS);
    std::vector<cTableRow> rows;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        cTableRow row;
        std::getline(fields, row.mode, '\t');
        std::getline(fields, row.function, '\t');
        std::getline(fields, row.x, '\t');
        std::getline(fields, row.y, '\t');
        std::getline(fields, row.text, '\t');
        std::getline(fields, row.reports, '\t');
        rows.push_back(row);
    }
    return rows;
}

class BuiltinResultsTest : public cEngineTest {};

TEST_F(BuiltinResultsTest, EveryRowShowsItsRecordedTextAndReports) {
    const std::vector<cTableRow> rows = ReadTable();
    ASSERT_GT(rows.size(), 28000u) << ORVANE_BUILTIN_RESULTS;
    std::string mode;
    int mismatches = 0;
    for (const cTableRow& row : rows) {
        if (row.mode != mode) {
            mode = row.mode;
            DoneEngine();
            AngleMode = AngleModeNamed(mode);
            InitEngine();
        }
        const cBuiltinResult result = BuiltinResult(row.function, Number(row.x), Number(row.y));
        if ((result.text != row.text || result.reports != row.reports) && ++mismatches <= 50)
            ADD_FAILURE() << row.mode << " " << row.function << "(" << row.x
                          << (row.y == "0" ? "" : "; " + row.y) << ") shows " << result.text << " ["
                          << result.reports << "] instead of " << row.text << " [" << row.reports << "]";
    }
    EXPECT_EQ(mismatches, 0) << "of " << rows.size() << " rows";
}

}  // namespace

#include "checking/LevelScores.h"
#include "support/Columns.h"

#include <gtest/gtest.h>

#include <memory>

using namespace varnelo;
using namespace varnelo::test;

namespace {

// One column 1..5 played against the system numbers 1..top.
WinLevels oneColumnAmong(int top) {
    static auto store = std::make_unique<ColumnStore>();
    store->clear();
    store->store(1, col(1, 2, 3, 4, 5));
    store->storedCount = store->systemTotal = 1;
    store->hasColumns = true;
    Selection s;
    for (int n = 1; n <= top; ++n)
        s.setState(n, Selection::Chosen);
    Progress progress;
    return winLevels(winLevelsInput(s, *store, false), progress);
}

} // namespace

TEST(LevelScores, SharesKeepThreeWholeDigitsAndTwoDecimals) {
    const struct {
        double percent;
        const char* text;
    } cases[] = {{0, "000,00"},       {100, "100,00"},    {12.5, "012,50"},
                 {3.14159, "003,14"}, {99.999, "100,00"}, {50, "050,00"}};
    for (const auto& c : cases)
        EXPECT_EQ(shareText(c.percent), c.text) << c.percent;
}

// The sets of each level counted by hand: a set's best score is how many of
// its numbers the one column holds.
TEST(LevelScores, RowsCountTheSetsOfLevelsFiveFourThree) {
    using Rows = std::vector<LevelScoreRow>;
    const struct {
        const char* name;
        int top;
        Rows expected;
    } cases[] = {
        {"six numbers: every set wins",
         6,
         {{"5  Su  5", "1", "5", "0", "0", "100,00"},
          {"%", "016,67", "083,33", "000,00", "000,00", "-"},
          {"4  Su  5", "-", "5", "10", "0", "100,00"},
          {"%", "-", "033,33", "066,67", "000,00", "-"},
          {"3  Su  5", "-", "-", "10", "10", "100,00"},
          {"%", "-", "-", "050,00", "050,00", "-"}}},
        {"ten numbers: sets of one hit or none win nothing",
         10,
         {{"5  Su  5", "1", "25", "100", "100", "089,68"},
          {"%", "000,40", "009,92", "039,68", "039,68", "-"},
          {"4  Su  5", "-", "5", "50", "100", "073,81"},
          {"%", "-", "002,38", "023,81", "047,62", "-"},
          {"3  Su  5", "-", "-", "10", "50", "050,00"},
          {"%", "-", "-", "008,33", "041,67", "-"}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(levelScoreRows(oneColumnAmong(c.top)), c.expected) << c.name;
}

TEST(LevelScores, LevelsWithoutSetsReadAsMissing) {
    const std::vector<LevelScoreRow> rows = levelScoreRows(WinLevels{});
    ASSERT_EQ(rows.size(), 6u);
    for (const LevelScoreRow& r : rows)
        for (std::size_t cell = 1; cell < r.size(); ++cell)
            EXPECT_EQ(r[cell], "-") << r[0];
}

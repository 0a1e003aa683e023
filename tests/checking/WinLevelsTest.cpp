#include "checking/WinLevels.h"
#include "checking/WinLevelsText.h"
#include "support/Columns.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>

using namespace varnelo;
using namespace varnelo::test;

namespace {

// One store for the whole program: it is large and every test refills it.
ColumnStore& store() {
    static auto s = std::make_unique<ColumnStore>();
    return *s;
}

void fill(const std::vector<Column>& columns) {
    ColumnStore& s = store();
    s.clear();
    for (const Column& c : columns)
        s.store(++s.storedCount, c);
    s.systemTotal = s.storedCount;
    s.hasColumns = s.storedCount > 0;
}

Selection selectionOf(const std::vector<int>& chosen, const std::vector<int>& fixed = {}) {
    Selection s;
    for (int n : chosen)
        s.setState(n, Selection::Chosen);
    for (int n : fixed)
        s.setState(n, Selection::Fixed);
    return s;
}

std::vector<Column> integralOf(const std::vector<int>& numbers) {
    std::vector<Column> columns;
    forEachColumn(numbers, [&](const Column& c) { columns.push_back(c); });
    return columns;
}

std::vector<std::string> lines(const Selection& selection, bool withFixed) {
    Progress progress;
    return winLevelsLines(winLevels(winLevelsInput(selection, store(), withFixed), progress));
}

} // namespace

// Random systems: some numbers, a few of them fixed, columns drawn mostly
// from the numbers and now and then holding one from outside; the counted
// table must be the walk's, with and without the fixed numbers required.
TEST(WinLevels, EqualsTheWalkOnRandomSmallSystems) {
    for (unsigned seed : {1u, 2u, 3u, 5u, 8u, 13u, 21u, 34u, 55u, 89u, 144u, 233u}) {
        std::mt19937 random(seed);
        std::vector<int> pool(kMaxNumber);
        for (int n = 1; n <= kMaxNumber; ++n)
            pool[static_cast<std::size_t>(n - 1)] = n;
        std::shuffle(pool.begin(), pool.end(), random);
        const int chosenCount = 6 + static_cast<int>(seed % 9);
        std::vector<int> chosen(pool.begin(), pool.begin() + chosenCount);
        const int fixedCount = static_cast<int>(seed % 4);
        const std::vector<int> fixed(chosen.begin(), chosen.begin() + fixedCount);
        std::vector<Column> columns;
        const int columnCount = 1 + static_cast<int>(random() % 60);
        for (int c = 0; c < columnCount; ++c) {
            std::vector<int> from = chosen;
            if (random() % 7 == 0)
                from.push_back(pool[static_cast<std::size_t>(chosenCount)]);
            std::shuffle(from.begin(), from.end(), random);
            from.resize(kColumnSize);
            std::sort(from.begin(), from.end());
            columns.push_back(col(from[0], from[1], from[2], from[3], from[4]));
        }
        fill(columns);
        const Selection selection = selectionOf(chosen, fixed);
        for (bool withFixed : {false, true}) {
            const WinLevelsInput in = winLevelsInput(selection, store(), withFixed);
            Progress progress;
            const WinLevels counted = winLevels(in, progress);
            EXPECT_FALSE(counted.cancelled);
            EXPECT_EQ(counted, walkWinLevels(in)) << "seed " << seed << " capogiochi " << withFixed;
            EXPECT_EQ(progress.done.load(), progress.total.load()) << "seed " << seed;
        }
    }
}

// The integral of six numbers: every 5-set is one column, every number is
// held by five columns, every pair by four.
TEST(WinLevels, IntegralOfSixNumbersByHand) {
    fill(integralOf({3, 9, 14, 22, 30, 41}));
    EXPECT_EQ(lines(selectionOf({3, 9, 14, 22, 30, 41}), false), (std::vector<std::string>{
                                                                     "1 1 6 0 0 0 0 5 5 100.00",
                                                                     "2 2 0 15 0 0 0 0 0 100.00",
                                                                     "3 3 0 0 20 0 0 0 0 100.00",
                                                                     "4 4 0 0 0 15 0 0 0 100.00",
                                                                     "5 5 0 0 0 0 6 0 0 100.00",
                                                                 }));
}

// Two columns over seven numbers: sets split across best scores, and the
// number 7 that no column holds scores "Zero" with every column reaching it.
TEST(WinLevels, ScoresSplitAndANumberNoColumnHolds) {
    fill({col(1, 2, 3, 4, 5), col(2, 3, 4, 5, 6)});
    const std::vector<std::string> got = lines(selectionOf({1, 2, 3, 4, 5, 6, 7}), false);
    // Level 1: 2..5 in both columns, 1 and 6 in one, 7 in none.
    EXPECT_EQ(got[0], "1 1 0 0 0 4 2 0 0 85.71");
    EXPECT_EQ(got[1], "1 0 0 0 0 1 0 0 0 14.29");
    // Level 5: only {1..5} and {2..6} score five, once each, out of 21 sets.
    const auto five = std::find_if(got.begin(), got.end(),
                                   [](const std::string& l) { return l.rfind("5 5 ", 0) == 0; });
    ASSERT_NE(five, got.end());
    EXPECT_EQ(*five, "5 5 0 0 0 0 2 0 0 9.52");
}

// With the box ticked only the sets holding every fixed number count: the
// levels below the fixed count have none, and the range of a bucket shows
// when its winning-column counts differ.
TEST(WinLevels, OnlySetsWithTheFixedNumbers) {
    std::vector<Column> columns;
    for (const Column& c : integralOf({1, 2, 3, 4, 5, 6, 7, 8}))
        if (c[0] == 1 && c[1] == 2)
            columns.push_back(c);
    fill(columns);
    const Selection selection = selectionOf({3, 4, 5, 6, 7, 8}, {1, 2});
    const std::vector<std::string> got = lines(selection, true);
    // Level 2 holds only {1,2}, in all 20 columns.
    EXPECT_EQ(got.front(), "2 2 1 0 0 0 0 20 20 100.00");
    // Level 3: {1,2,x}: each x is in 10 of the 20 columns.
    EXPECT_EQ(got[1], "3 3 6 0 0 0 0 10 10 100.00");
    EXPECT_EQ(got.back(), "5 5 0 0 0 0 20 0 0 100.00");

    fill(integralOf({1, 2, 3, 4, 5, 6, 7, 8}));
    Progress progress;
    const WinLevels all = winLevels(winLevelsInput(selection, store(), false), progress);
    const WinLevels fixedOnly = winLevels(winLevelsInput(selection, store(), true), progress);
    EXPECT_EQ(all.level[1].sets, 8);
    EXPECT_EQ(fixedOnly.level[1].sets, 0);
    EXPECT_EQ(fixedOnly.level[3].sets, 6);

    fill({col(1, 2, 3, 4, 5), col(1, 2, 3, 6, 7), col(1, 2, 3, 4, 6), col(1, 2, 4, 5, 6),
          col(1, 2, 5, 6, 7), col(1, 3, 4, 5, 6)});
    const std::vector<WinLevelsRow> rows =
        winLevelsRows(winLevels(winLevelsInput(selection, store(), false), progress));
    ASSERT_GE(rows.size(), 2u);
    EXPECT_EQ(rows[0].cells[0], "1  Su  5");
    EXPECT_EQ(rows[1].cells[0], "Uno");
    // 1 is in all six columns, 2 and 6 in five, 3..5 in four, 7 in two, 8 in none.
    EXPECT_EQ(rows[1].cells[1], "3  (5-6)");
    EXPECT_EQ(rows[1].cells[2], "3");
    EXPECT_EQ(rows[1].cells[3], "0");
    EXPECT_EQ(rows[1].cells[4], "1");
    EXPECT_EQ(rows[1].cells[6], "87,50");
}

TEST(WinLevels, StopsWhenCancelled) {
    fill(integralOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    Progress progress;
    progress.cancel = true;
    const WinLevels levels = winLevels(
        winLevelsInput(selectionOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}), store(), false),
        progress);
    EXPECT_TRUE(levels.cancelled);
}

TEST(WinLevels, RefusesMoreColumnsThanTheLimit) {
    EXPECT_FALSE(winLevelsRefusal(kAllColumns));
    EXPECT_FALSE(winLevelsRefusal(2120000));
    const auto notice = winLevelsRefusal(2120001);
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->lines, (std::vector<std::string>{"Colonne N°= 2120001", "Troppe colonne,",
                                                       "troppo tempo per il calcolo !"}));
}

TEST(WinLevels, TextFileHasTheHeadingAndAlignedRows) {
    fill(integralOf({3, 9, 14, 22, 30, 41}));
    Progress progress;
    const std::string text = winLevelsFile(
        winLevels(winLevelsInput(selectionOf({3, 9, 14, 22, 30, 41}), store(), false), progress),
        "Sistema: prova");
    EXPECT_EQ(text.rfind("Distribuzione Vincite\r\nSistema: prova\r\n\r\n"
                         "Numeri Indovinati  Cinque  Quattro  Tre  Due  Uno    Per%\r\n\r\n"
                         "1  Su  5\r\n"
                         "Uno                     6        0    0    0    0  100,00\r\n",
                         0),
              0u)
        << text;
}

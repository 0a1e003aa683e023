#include "checking/SystemCheck.h"
#include "checking/WinsTable.h"
#include "core/ColumnsFileFormat.h"
#include "support/Columns.h"
#include "support/TestFolder.h"

using namespace varnelo;
using namespace varnelo::test;

namespace {

Combination marks(std::initializer_list<int> numbers, std::initializer_list<int> numeroni = {}) {
    Combination c;
    for (int n : numbers)
        c.numbers[static_cast<std::size_t>(n)] = true;
    for (int e : numeroni)
        c.numeroni[static_cast<std::size_t>(e)] = true;
    return c;
}

Selection systemWith(std::initializer_list<int> numeroni) {
    Selection s;
    for (int e : numeroni)
        s.setNumerone(e, true);
    return s;
}

void storeAll(ColumnStore& store, const std::vector<Column>& columns) {
    store.clear();
    std::int32_t i = 0;
    for (const Column& c : columns)
        store.store(++i, c);
    store.storedCount = store.systemTotal = i;
    store.hasColumns = i > 0;
}

// The check as the Part walks it: each column against every mark.
WinTally naiveCheck(const std::vector<Column>& columns, const Selection& system,
                    const Combination& combination) {
    const BetSplit split = betSplit(system, combination);
    WinTally t;
    for (const Column& c : columns) {
        int k = 0;
        for (const auto n : c)
            k += combination.numbers[n];
        ++t.checked;
        if (split.without > 0) {
            t.bets[static_cast<std::size_t>(2 * k)] += split.without;
            ++t.columns[static_cast<std::size_t>(2 * k)];
        }
        if (split.with > 0) {
            t.bets[static_cast<std::size_t>(2 * k + 1)] += split.with;
            ++t.columns[static_cast<std::size_t>(2 * k + 1)];
        }
    }
    return t;
}

std::vector<Column> firstColumns(std::size_t n) {
    std::vector<Column> out;
    forEveryColumn([&](const Column& c) {
        if (out.size() < n)
            out.push_back(c);
    });
    return out;
}

} // namespace

TEST(PrizeCategories, LabelsRunFromNothingToFivePlusTheNumerone) {
    std::string all;
    for (int c = 0; c < kCategoryCount; ++c)
        all += std::string(categoryLabel(c)) + ' ';
    EXPECT_EQ(all, "0 0+1 1 1+1 2 2+1 3 3+1 4 4+1 5 5+1 ");
    EXPECT_EQ(categoryOf(3, true), 7);
    EXPECT_EQ(categoryLabel(12), "");
}

// C bets per column, M of them with the Numerone.
TEST(PrizeCategories, BetsSplitByTheChosenAndMarkedNumeroni) {
    const struct {
        std::initializer_list<int> chosen;
        std::initializer_list<int> marked;
        BetSplit split;
    } cases[] = {
        {{}, {}, {1, 0}},            // no Numerone chosen: one bet, never "+1"
        {{}, {4}, {1, 0}},           // a marked Numerone the system did not play
        {{4}, {7}, {1, 0}},          // one chosen, missed
        {{4}, {4}, {0, 1}},          // one chosen, hit
        {{2, 4, 9}, {4}, {2, 1}},    // three chosen, one hit
        {{2, 4, 9}, {4, 9}, {1, 2}}, // both Numeroni of a draw among the chosen: M = 2
        {{4, 9}, {4, 9}, {0, 2}},
        {{1, 2, 3}, {}, {3, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(betSplit(systemWith(c.chosen), marks({1}, c.marked)), c.split)
            << c.chosen.size() << " " << c.marked.size();
}

TEST(SystemCheck, SortsEveryColumnIntoItsCategories) {
    ColumnStore store;
    const TestFolder t;
    storeAll(store, {col(10, 20, 30, 40, 45), col(1, 20, 30, 40, 45), col(1, 2, 3, 4, 45),
                     col(1, 2, 3, 4, 5)});
    const struct {
        const char* what;
        Selection system;
        Combination drawn;
        // Per category "bets/columns", blank where nothing.
        std::vector<std::string> expected;
    } cases[] = {
        {"a miss with one unmatched Numerone goes to 0",
         systemWith({3}),
         marks({1, 2, 3, 4, 5}, {7}),
         {"1/1", "", "1/1", "", "", "", "", "", "1/1", "", "1/1", ""}},
        {"the matching Numerone moves it to 0+1",
         systemWith({3}),
         marks({1, 2, 3, 4, 5}, {3}),
         {"", "1/1", "", "1/1", "", "", "", "", "", "1/1", "", "1/1"}},
        {"three Numeroni, one matching: two bets without, one with",
         systemWith({3, 5, 8}),
         marks({1, 2, 3, 4, 5}, {5}),
         {"2/1", "1/1", "2/1", "1/1", "", "", "", "", "2/1", "1/1", "2/1", "1/1"}},
        {"no Numerone chosen: one bet per column, never +1",
         systemWith({}),
         marks({1, 2, 3, 4, 5}, {5}),
         {"1/1", "", "1/1", "", "", "", "", "", "1/1", "", "1/1", ""}},
        {"more than five marks all count",
         systemWith({}),
         marks({1, 2, 3, 20, 30, 40, 45}),
         {"", "", "", "", "", "", "1/1", "", "2/2", "", "1/1", ""}},
    };
    for (const auto& c : cases) {
        Progress progress;
        const SystemCheck check = checkSystem(store, t.folder(), c.system, c.drawn, progress);
        ASSERT_FALSE(check.failure) << c.what;
        std::vector<std::string> got;
        for (std::size_t k = 0; k < kCategoryCount; ++k)
            got.push_back(check.tally.columns[k] ? std::to_string(check.tally.bets[k]) + "/" +
                                                       std::to_string(check.tally.columns[k])
                                                 : "");
        EXPECT_EQ(got, c.expected) << c.what;
        EXPECT_EQ(check.tally.checked, 4) << c.what;
    }
}

// Thousands of columns go through packed counters a block at a time: every
// block size and every spread of hits must add up as the plain walk does.
TEST(SystemCheck, EqualsThePlainWalkOnRandomSystems) {
    std::mt19937 rng(15);
    ColumnStore store;
    const TestFolder t;
    for (std::size_t size : {1u, 1023u, 1024u, 12345u, 30000u}) {
        std::vector<Column> columns;
        while (columns.size() < size)
            columns.push_back(randomColumn(rng));
        storeAll(store, columns);
        // Few marks make most columns miss, many make most of them hit; none
        // or all of them fill a whole block with one count.
        Combination all;
        all.numbers.fill(true);
        for (const Combination& drawn : {marks({7, 8, 9, 10, 11}, {2}),
                                         marks({1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                                                14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26},
                                               {2, 6}),
                                         marks({}), all}) {
            const Selection system = systemWith({2, 6, 9});
            Progress progress;
            const SystemCheck check = checkSystem(store, t.folder(), system, drawn, progress);
            EXPECT_EQ(check.tally, naiveCheck(columns, system, drawn)) << size;
            EXPECT_EQ(check.firstColumns.size(), std::min<std::size_t>(size, kWinsGridRows));
        }
    }
}

// The grid stops at 10000 column rows; the tallies and the totals row do not.
TEST(SystemCheck, TenThousandAndOneColumnsGiveTheOverflowRowAndWholeTotals) {
    ColumnStore store;
    const TestFolder t;
    const std::vector<Column> columns = firstColumns(10001);
    storeAll(store, columns);
    const Selection system = systemWith({1, 2});
    const Combination drawn = marks({1, 2, 3, 4, 49}, {2});
    Progress progress;
    const WinsTable table("prova", checkSystem(store, t.folder(), system, drawn, progress));
    ASSERT_EQ(table.rows(), 10002);
    EXPECT_EQ(table.kind(9999), WinsTable::RowKind::Column);
    EXPECT_EQ(table.text(9999, 0), "prova");
    EXPECT_EQ(table.text(9999, 13), "10000");
    std::vector<std::string> overflow;
    for (int c = 0; c < WinsTable::kColumns; ++c)
        overflow.push_back(table.text(10000, c));
    EXPECT_EQ(overflow,
              (std::vector<std::string>{"", "Troppe", "vincite", "fine...!", "avanzamento", "", "",
                                        "", "", "", "", "", "", "", ""}));
    const WinTally whole = naiveCheck(columns, system, drawn);
    EXPECT_EQ(table.kind(10001), WinsTable::RowKind::Totals);
    EXPECT_EQ(table.text(10001, 0), "Vincite");
    for (int c = 0; c < kCategoryCount; ++c)
        EXPECT_EQ(table.text(10001, c + 1),
                  std::to_string(whole.bets[static_cast<std::size_t>(c)]));
    EXPECT_EQ(table.text(10001, 13), "10001");
}

TEST(SystemCheck, GridRowsShowEachColumnInTheCategoriesItReached) {
    ColumnStore store;
    const TestFolder t;
    storeAll(store, {col(1, 2, 3, 40, 41), col(5, 6, 7, 8, 9)});
    Progress progress;
    const WinsTable table("s", checkSystem(store, t.folder(), systemWith({1, 2, 3}),
                                           marks({1, 2, 3, 4, 5}, {2}), progress));
    ASSERT_EQ(table.rows(), 3); // two columns and the totals, no overflow row
    EXPECT_EQ(table.header(0), "Nome Sist.");
    EXPECT_EQ(table.header(7), "3");
    EXPECT_EQ(table.header(13), "N°Sch.");
    // Three hits: "3" without the Numerone and "3+1" with it.
    for (int c = 1; c <= kCategoryCount; ++c)
        EXPECT_EQ(table.text(0, c), c == 7 || c == 8 ? "1" : "") << c;
    EXPECT_EQ(table.text(0, 14), "1 2 3 40 41");
    EXPECT_EQ(table.text(1, 13), "2");
    EXPECT_EQ(table.text(2, 7), "2"); // two bets of the first column in "3"
    EXPECT_EQ(table.text(2, 8), "1");
    EXPECT_EQ(table.text(2, 3), "2"); // the second column's single hit
}

// A system beyond the memory rows keeps its first columns in qor/qor.qor:
// they are checked first and listed first.
TEST(SystemCheck, CountsTheOverflowColumnsFirst) {
    TestFolder t;
    std::string spill;
    appendColumnLine(spill, col(1, 2, 3, 4, 5));
    appendColumnLine(spill, col(1, 2, 3, 4, 6));
    writeFile(t / "qor/qor.qor", spill);
    ColumnStore store;
    storeAll(store, {col(20, 21, 22, 23, 24)});
    store.systemTotal = 3;
    Progress progress;
    const SystemCheck check =
        checkSystem(store, t.folder(), systemWith({}), marks({1, 2, 3, 4, 5}), progress);
    ASSERT_FALSE(check.failure);
    EXPECT_EQ(check.tally.checked, 3);
    EXPECT_EQ(check.tally.columns[10], 1);
    EXPECT_EQ(check.tally.columns[8], 1);
    EXPECT_EQ(check.tally.columns[0], 1);
    EXPECT_EQ(check.firstColumns, (std::vector<Column>{col(1, 2, 3, 4, 5), col(1, 2, 3, 4, 6),
                                                       col(20, 21, 22, 23, 24)}));

    writeFile(t / "qor/qor.qor", spill.substr(0, spill.size() / 2)); // one line short
    const SystemCheck broken =
        checkSystem(store, t.folder(), systemWith({}), marks({1, 2, 3, 4, 5}), progress);
    ASSERT_TRUE(broken.failure);
    EXPECT_EQ(broken.failure->title, "Spoglio:");
    EXPECT_TRUE(broken.firstColumns.empty());
}

TEST(SystemCheck, AStopLeavesConsistentPartialTallies) {
    ColumnStore store;
    const TestFolder t;
    storeAll(store, firstColumns(50000));
    Progress progress;
    progress.cancel = true;
    const SystemCheck check =
        checkSystem(store, t.folder(), systemWith({1, 2}), marks({1, 2, 3, 4, 5}, {1}), progress);
    EXPECT_TRUE(check.cancelled);
    EXPECT_GE(check.tally.checked, kWinsGridRows);
    EXPECT_LT(check.tally.checked, 50000);
    std::int64_t columns = 0;
    for (int c = 0; c < kCategoryCount; c += 2)
        columns += check.tally.columns[static_cast<std::size_t>(c)];
    EXPECT_EQ(columns, check.tally.checked);
}

#include "checking/NumberCounts.h"
#include "core/ColumnsFileFormat.h"
#include "support/Columns.h"
#include "support/TestFolder.h"

#include <memory>

using namespace varnelo;
using namespace varnelo::test;

namespace {

// A store holding `columns`; `systemTotal` larger than their count says the
// rest lies in the overflow file.
std::unique_ptr<ColumnStore> storeOf(const std::vector<Column>& columns, std::int32_t systemTotal) {
    auto store = std::make_unique<ColumnStore>();
    for (std::size_t i = 0; i < columns.size(); ++i)
        store->store(static_cast<std::int32_t>(i + 1), columns[i]);
    store->storedCount = static_cast<std::int32_t>(columns.size());
    store->systemTotal = systemTotal;
    store->hasColumns = !columns.empty();
    return store;
}

std::string linesOf(const std::vector<Column>& columns) {
    std::string out;
    for (const Column& c : columns)
        appendColumnLine(out, c);
    return out;
}

} // namespace

TEST(NumberCounts, AnIntegralSystemSpreadsEvenly) {
    const std::vector<int> numbers = {3, 8, 15, 22, 29, 36, 41, 49};
    const auto store = storeOf(integral(numbers), 56);
    const NumberCounts counts = countNumbers(*store, "/nonexistent");
    EXPECT_FALSE(counts.notice);
    EXPECT_EQ(counts.columns, 56);
    const NumberSpread spread = spreadOf(counts, numbers);
    EXPECT_DOUBLE_EQ(spread.even, 35.0); // C(7, 4)
    ASSERT_EQ(spread.numbers.size(), numbers.size());
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const NumberShare& s = spread.numbers[i];
        EXPECT_EQ(s.number, numbers[i]);
        EXPECT_EQ(s.count, 35);
        EXPECT_DOUBLE_EQ(s.columnShare, 62.5);
        EXPECT_DOUBLE_EQ(s.signShare, 12.5);
        EXPECT_DOUBLE_EQ(s.deviation, 0.0);
    }
}

TEST(NumberCounts, UnevenColumnsAndNumbersOutsideTheChoice) {
    // 7 is chosen but kept out by the conditions; 40 came in with imported columns.
    const std::vector<Column> columns = {col(1, 2, 3, 4, 5), col(1, 2, 3, 4, 6),
                                         col(1, 2, 3, 5, 40)};
    const auto store = storeOf(columns, 3);
    const NumberCounts fromList = countNumbers(columns);
    EXPECT_EQ(fromList.count, countNumbers(*store, {}).count);
    EXPECT_EQ(fromList.columns, 3);
    const NumberSpread spread = spreadOf(countNumbers(*store, {}), {1, 2, 3, 4, 5, 6, 7});
    // Fifteen numbers written over eight numbers in play.
    EXPECT_DOUBLE_EQ(spread.even, 15.0 / 8);
    std::vector<std::pair<int, std::int64_t>> seen;
    for (const NumberShare& s : spread.numbers)
        seen.emplace_back(s.number, s.count);
    const std::vector<std::pair<int, std::int64_t>> expected = {{1, 3}, {2, 3}, {3, 3}, {4, 2},
                                                                {5, 2}, {6, 1}, {7, 0}, {40, 1}};
    EXPECT_EQ(seen, expected);
    const NumberShare& one = spread.numbers[0];
    EXPECT_DOUBLE_EQ(one.columnShare, 100.0);
    EXPECT_DOUBLE_EQ(one.signShare, 20.0);
    EXPECT_DOUBLE_EQ(one.deviation, 3 - 15.0 / 8);
    EXPECT_DOUBLE_EQ(one.deviationShare, 60.0);
    const NumberShare& seven = spread.numbers[6];
    EXPECT_DOUBLE_EQ(seven.deviationShare, -100.0);
}

TEST(NumberCounts, NoColumnsGiveZerosWithoutDividingByZero) {
    const auto store = storeOf({}, 0);
    const NumberSpread spread = spreadOf(countNumbers(*store, {}), {10, 20});
    EXPECT_EQ(spread.columns, 0);
    EXPECT_EQ(spread.even, 0.0);
    ASSERT_EQ(spread.numbers.size(), 2u);
    EXPECT_EQ(spread.numbers[1].number, 20);
    EXPECT_EQ(spread.numbers[1].count, 0);
    EXPECT_EQ(spread.numbers[1].deviationShare, 0.0);
    EXPECT_TRUE(spreadOf(countNumbers(*store, {}), {}).numbers.empty());
}

TEST(NumberCounts, TheOverflowFileCountsToo) {
    TestFolder t;
    // Lines past the system's own are left over from a larger system.
    writeFile(t / "qor/qor.qor",
              linesOf({col(10, 11, 12, 13, 14), col(10, 20, 30, 40, 49), col(1, 2, 3, 4, 5)}));
    const auto store = storeOf({col(10, 11, 12, 13, 15)}, 3);
    const NumberCounts counts = countNumbers(*store, t / "qor/qor.qor");
    EXPECT_FALSE(counts.notice);
    EXPECT_EQ(counts.columns, 3);
    EXPECT_EQ(counts.count[10], 3);
    EXPECT_EQ(counts.count[14], 1);
    EXPECT_EQ(counts.count[49], 1);
    EXPECT_EQ(counts.count[1], 0);
}

TEST(NumberCounts, AnUnreadableOverflowLeavesTheColumnsInMemoryAndANotice) {
    struct Case {
        const char* what;
        std::optional<std::string> file;
        const char* reason;
        std::int64_t counted;
    };
    const Case cases[] = {
        {"missing", std::nullopt, "il file non esiste o non si può aprire.", 1},
        {"short", linesOf({col(10, 11, 12, 13, 14)}), "il file finisce alla riga 2.", 2},
        {"garbled", linesOf({col(10, 11, 12, 13, 14)}) + "1 2 x 4 5\r\n", "riga 2: ", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestFolder t({"qor"}, c.what);
        if (c.file)
            writeFile(t / "qor/qor.qor", *c.file);
        const auto store = storeOf({col(1, 2, 3, 4, 5)}, 3);
        const NumberCounts counts = countNumbers(*store, t / "qor/qor.qor");
        ASSERT_TRUE(counts.notice);
        EXPECT_EQ(counts.notice->title, "Distribuzione segni:");
        EXPECT_TRUE(counts.notice->lines[1].starts_with(c.reason)) << counts.notice->lines[1];
        // The counts say how many columns they cover.
        EXPECT_EQ(counts.columns, c.counted);
        EXPECT_EQ(counts.count[1], 1);
    }
}

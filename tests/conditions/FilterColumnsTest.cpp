#include "conditions/FilterColumns.h"
#include "FamilyTestSupport.h"

#include <gtest/gtest.h>

#include <bit>

using namespace varnelo;
using varnelo::test::col;

namespace {

ListColumn listColumn(std::vector<std::uint8_t> numbers, int minHits, int maxHits) {
    ListColumn c;
    c.numbers = std::move(numbers);
    for (int h = minHits; h <= maxHits; ++h)
        c.hits |= static_cast<std::uint8_t>(1u << h);
    return c;
}

ActiveFilters activated(const FilterList& list) {
    ActiveFilters store;
    EXPECT_FALSE(activateFilterList(list, store));
    return store;
}

} // namespace

TEST(FilterColumns, ActivationRefusals) {
    ActiveFilters store{{1, 0, 5, 0}};
    const ActiveFilters before = store;
    FilterList empty;
    auto n = activateFilterList(empty, store);
    ASSERT_TRUE(n);
    EXPECT_EQ(n->lines, std::vector<std::string>{"Non e inserito nessuna colonna filtro."});
    FilterList gap;
    gap.columns = {listColumn({1, 2}, 0, 1), {}, listColumn({3}, 0, 1), {}};
    n = activateFilterList(gap, store);
    ASSERT_TRUE(n);
    EXPECT_EQ(n->lines.back(), "Nella colonna N° 2");
    EXPECT_EQ(store, before) << "a refused command changes nothing";

    // Trailing empty rows are no gap; a number above 49 keeps the others.
    FilterList ok;
    ok.columns = {listColumn({3, 50, 77, 12}, 1, 3), {}};
    store = activated(ok);
    ASSERT_EQ(store.size(), 1u);
    EXPECT_EQ(store[0].numbers, (std::uint64_t{1} << 3) | (std::uint64_t{1} << 12));
    EXPECT_EQ(store[0].minHits, 1);
    EXPECT_EQ(store[0].maxHits, 3);
}

TEST(FilterColumns, ZeroHitsRemovesEveryColumnSharingANumber) {
    FilterList list;
    list.columns = {listColumn({5, 17, 33}, 0, 0)};
    const FilterColumnsTest t(activated(list));
    EXPECT_TRUE(t.pass(col(1, 2, 3, 4, 6)));
    EXPECT_FALSE(t.pass(col(1, 2, 3, 4, 5)));
    EXPECT_FALSE(t.pass(col(17, 20, 33, 40, 41)));
}

TEST(FilterColumns, MatchesOneFilterAtATime) {
    std::mt19937 rng(3);
    FilterList list;
    for (int j = 0; j < 200; ++j) {
        std::vector<std::uint8_t> numbers;
        for (int i = 0; i < 6; ++i)
            numbers.push_back(static_cast<std::uint8_t>(rng() % 49 + 1));
        const int lo = rng() % 40 == 0 ? 1 : 0;
        list.columns.push_back(listColumn(numbers, lo, lo + 3));
    }
    list.columns[7].consecutive = 0b11; // 0 or 1 consecutive shared pairs
    const ActiveFilters store = activated(list);
    const FilterColumnsTest t(store);
    int kept = 0;
    for (const Column& c : varnelo::test::randomColumns(4000, 5)) {
        const std::uint64_t m = numberMask(c);
        bool expect = true;
        for (const ActiveFilter& f : store) {
            const int h = std::popcount(m & f.numbers);
            expect =
                expect && h >= f.minHits && h <= f.maxHits &&
                (f.consecutive == 0 || (f.consecutive >> sharedConsecutive(m & f.numbers) & 1));
        }
        ASSERT_EQ(t.pass(c), expect);
        kept += expect;
    }
    EXPECT_GT(kept, 0);
    EXPECT_LT(kept, 4000);
}

TEST(FilterColumns, ListCommands) {
    FilterList list;
    list.columns = {listColumn({1, 2, 3}, 0, 5), listColumn({3, 9}, 0, 5),
                    listColumn({4, 8}, 0, 5)};
    auto n = setAdmittedHits(list, 1, 2, 3, 2, std::nullopt, std::nullopt);
    ASSERT_TRUE(n);
    EXPECT_EQ(n->title, "Errore:");
    EXPECT_EQ(list.columns[0].hits, 0x3F);
    EXPECT_FALSE(setAdmittedHits(list, 2, 99, 1, 2, 0, 1));
    EXPECT_EQ(list.columns[1].hits, 0b110);
    EXPECT_EQ(list.columns[2].consecutive, 0b11);
    EXPECT_EQ(list.columns[0].hits, 0x3F);

    n = replaceNumber(list, 1, 3, 3, 9);
    ASSERT_TRUE(n);
    EXPECT_EQ(n->lines[0], "il numero in = [9]  Colonne 2");
    EXPECT_EQ(list.columns[0].numbers, (std::vector<std::uint8_t>{1, 2, 9}));
    EXPECT_EQ(list.columns[1].numbers, (std::vector<std::uint8_t>{3, 9}));

    eraseFilterColumns(list, 2, 2);
    ASSERT_EQ(list.columns.size(), 2u);
    EXPECT_EQ(list.columns[1].numbers, (std::vector<std::uint8_t>{4, 8}));
    std::vector<ListColumn> many(kMaxFilterColumns, listColumn({1}, 0, 1));
    EXPECT_TRUE(addFilterColumns(list, many));
    EXPECT_EQ(list.columns.size(), 2u);
}

TEST(FilterColumns, CarAndCacFiles) {
    FilterList list;
    list.active = true;
    list.columns = {listColumn({3, 50, 12}, 1, 2), listColumn({}, 0, 0)};
    list.columns[0].consecutive = 0b101;
    const CarFile car = filterListToCar(list, "mia lista");
    const std::string text = formatCarFile(car);
    EXPECT_NE(text.find("011000 101000 3 50 12\r\n"), std::string::npos);
    CarFile back;
    std::string error;
    ASSERT_TRUE(parseCarFile(text, back, error));
    EXPECT_EQ(back, car);
    for (const std::string& bad : {std::string("x\r\n0 0 0 0 0 0 5\r\n"), std::string("x\r\n0 0"),
                                   std::string("x\r\n0 0 0 0 0 0 1\r\n01 3\r\n"),
                                   std::string("x\r\n0 0 0 0 0 0 1\r\n000000 000000 300\r\n")}) {
        CarFile keep = car;
        EXPECT_FALSE(parseCarFile(bad, keep, error)) << bad;
        EXPECT_EQ(keep, car);
    }

    std::vector<ListColumn> cols;
    ASSERT_TRUE(parseCacFile("1 2 3\n\n 4  5\r\n", cols, error));
    ASSERT_EQ(cols.size(), 2u);
    EXPECT_EQ(cols[1].numbers, (std::vector<std::uint8_t>{4, 5}));
    std::vector<ListColumn> again;
    ASSERT_TRUE(parseCacFile(formatCacFile(cols), again, error));
    EXPECT_EQ(again, cols);
    EXPECT_FALSE(parseCacFile("1 2 a", again, error));
    EXPECT_EQ(again, cols);
}

TEST(FilterColumns, StatisticsOfOneFilterColumn) {
    const std::vector<Column> draws = {col(1, 2, 3, 4, 5), col(1, 7, 8, 9, 10),
                                       col(20, 21, 22, 23, 24)};
    const std::uint64_t filter =
        (std::uint64_t{1} << 1) | (std::uint64_t{1} << 2) | (std::uint64_t{1} << 49);
    const ValueStatistics s = filterColumnStatistics(filter, draws);
    EXPECT_EQ(s.out(2), 1);
    EXPECT_EQ(s.out(1), 1);
    EXPECT_EQ(s.out(0), 1);
    EXPECT_EQ(s.delay(2), 2);
    EXPECT_EQ(s.delay(3), 3);
}

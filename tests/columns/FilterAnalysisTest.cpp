#include "columns/FilterAnalysis.h"
#include "support/Columns.h"

#include <gtest/gtest.h>

#include <random>

using namespace varnelo;
using varnelo::test::col;
using varnelo::test::maskOf;

namespace {

Draw draw(const Column& c, int year) {
    Draw d;
    d.numbers = c;
    d.year = year;
    return d;
}

} // namespace

// Two filter columns over four draws, counted by hand.
TEST(FilterAnalysis, PerFilterColumn) {
    const ActiveFilters store = {{maskOf({1, 2, 3}), 0, 1, 0}, {maskOf({10, 11}), 1, 2, 0}};
    const std::vector<Column> draws = {col(1, 2, 20, 30, 40), col(1, 10, 20, 30, 40),
                                       col(5, 6, 7, 8, 9), col(3, 11, 12, 13, 14)};
    Progress progress;
    const auto r = analyseFilterColumns(store, draws, progress);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].hits, (std::array<std::int32_t, 6>{1, 2, 1, 0, 0, 0}));
    EXPECT_EQ(r[0].admitted, 3);
    EXPECT_EQ(r[0].delay, 0);
    EXPECT_EQ(r[1].hits, (std::array<std::int32_t, 6>{2, 2, 0, 0, 0, 0}));
    EXPECT_EQ(r[1].admitted, 2);
    EXPECT_EQ(r[1].delay, 0);
    const auto older = analyseFilterColumns(store, std::span(draws).first(3), progress);
    EXPECT_EQ(older[1].delay, 1);
    EXPECT_EQ(analyseFilterColumns({{maskOf({45}), 1, 1, 0}}, draws, progress)[0].delay, 4);
}

TEST(FilterAnalysis, ByYearWithItsMean) {
    const ActiveFilters store = {{maskOf({1, 2, 3}), 0, 1, 0}, {maskOf({10, 11}), 0, 0, 0}};
    const std::vector<Draw> draws = {draw(col(1, 2, 20, 30, 40), 2020),   // admitted by the second
                                     draw(col(1, 20, 30, 40, 45), 2020),  // by both: passes
                                     draw(col(4, 5, 6, 7, 8), 2021),      // passes
                                     draw(col(1, 10, 20, 30, 40), 2021)}; // by the first
    Progress progress;
    const auto years = analyseByYear(store, draws, progress);
    ASSERT_EQ(years.size(), 2u);
    EXPECT_EQ(years[0], (YearRecord{2020, 2, 1, 1.5}));
    EXPECT_EQ(years[1], (YearRecord{2021, 2, 1, 1.5}));
    EXPECT_DOUBLE_EQ(years[0].passingShare(), 50.0);
    EXPECT_EQ(yearMean(years), (YearRecord{0, 2, 1, 1.5}));
    EXPECT_EQ(yearMean({}), YearRecord{});
}

TEST(FilterAnalysis, NumberFrequencyCountsEachFilterColumnOnce) {
    FilterList list;
    list.columns = {{{1, 2, 2, 60}, 1, 0}, {{2, 49}, 1, 0}, {}};
    const auto f = numberFrequency(list);
    EXPECT_EQ(f[1], 1);
    EXPECT_EQ(f[2], 2);
    EXPECT_EQ(f[49], 1);
    EXPECT_EQ(f[3], 0);
}

// What "Distribuzione" calls kept is what the development keeps, for
// random lists with consecutive counts too; `admits` agrees with the test.
TEST(FilterAnalysis, SystemDistributionAgreesWithTheFilterTest) {
    std::mt19937 random(11);
    std::uniform_int_distribution<int> number(1, 49), hits(0, 3), bits(0, 63);
    ActiveFilters store;
    for (int j = 0; j < 70; ++j) {
        ActiveFilter f;
        for (int k = 0; k < 7; ++k)
            f.numbers |= std::uint64_t{1} << number(random);
        f.minHits = static_cast<std::uint8_t>(hits(random) % 2);
        f.maxHits = static_cast<std::uint8_t>(f.minHits + hits(random));
        f.consecutive = j % 5 == 0 ? static_cast<std::uint8_t>(bits(random)) : 0;
        store.push_back(f);
    }
    ColumnStore columns;
    std::int32_t n = 0;
    std::vector<int> chosen(14);
    for (int i = 0; i < 14; ++i)
        chosen[static_cast<std::size_t>(i)] = 3 * i + 1;
    test::forEachColumn(chosen, [&](const Column& c) { columns.store(++n, c); });
    columns.storedCount = n;

    Progress progress;
    const SystemDistribution d = distributeSystem(store, columns, progress);
    const FilterColumnsTest test(store);
    std::int64_t kept = 0;
    for (std::int32_t i = 1; i <= n; ++i) {
        const Column c = columns.column(i);
        const bool all = std::all_of(store.begin(), store.end(), [&](const ActiveFilter& f) {
            return admits(f, numberMask(c));
        });
        ASSERT_EQ(all, test.pass(c));
        kept += all ? 1 : 0;
    }
    EXPECT_EQ(d.columns, n);
    EXPECT_EQ(d.byFailures[0], kept);
    std::int64_t sum = 0;
    for (auto b : d.byFailures)
        sum += b;
    EXPECT_EQ(sum, n);
    for (std::size_t j = 0; j < store.size(); ++j) {
        std::int64_t perHits = 0;
        for (auto h : d.hits[j])
            perHits += h;
        EXPECT_EQ(perHits, n);
    }
}

TEST(FilterAnalysis, StopsWhenCancelled) {
    ColumnStore columns;
    for (std::int32_t i = 1; i <= 5000; ++i)
        columns.store(i, col(1, 2, 3, 4, 5));
    columns.storedCount = 5000;
    Progress progress;
    progress.cancel = true;
    const auto d = distributeSystem({{maskOf({1}), 0, 0, 0}}, columns, progress);
    EXPECT_LT(d.columns, 5000);
}

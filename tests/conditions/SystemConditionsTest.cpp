#include "conditions/SystemConditions.h"
#include "FamilyTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

using namespace varnelo;
using varnelo::test::col;

namespace {

int pageIndex(std::string_view caption) {
    const auto& pages = systemConditionPages();
    for (std::size_t i = 0; i < pages.size(); ++i)
        if (pages[i].caption == caption)
            return static_cast<int>(i);
    return -1;
}

int metricIndex(int page, std::string_view name) {
    const auto& metrics = systemConditionPages()[static_cast<std::size_t>(page)].metrics;
    for (std::size_t i = 0; i < metrics.size(); ++i)
        if (metrics[i].name == name)
            return static_cast<int>(i);
    return -1;
}

// Columns of the page's metric per row label, only the labels with columns.
std::map<std::string, std::int64_t> countsOf(const SystemConditions& t, std::string_view page,
                                             std::string_view metric) {
    const int p = pageIndex(page);
    const int m = metricIndex(p, metric);
    EXPECT_GE(m, 0) << metric;
    std::map<std::string, std::int64_t> out;
    for (const SystemConditionRow& r : t.pageRows(p))
        if (r.counts[static_cast<std::size_t>(m)] > 0)
            out[r.label] = r.counts[static_cast<std::size_t>(m)];
    return out;
}

struct Fixture {
    SequelePatterns sequele;
    PicchettoTable picchetti;
    SystemConditions::Inputs inputs() const { return {{}, sequele, picchetti}; }
};

// The columns counted with no forecast, sequele or picchetti set.
SystemConditions tallied(std::initializer_list<Column> columns) {
    Fixture f;
    SystemConditions t;
    for (const Column& c : columns)
        t.add(c, f.inputs());
    return t;
}

} // namespace

TEST(SystemConditions, PagesFollowTheButtonsAndNameEveryMetric) {
    const auto& pages = systemConditionPages();
    const std::vector<std::string> captions = {"Casella",
                                               "Distanze",
                                               "Distanza Numeri",
                                               "Pari dispari",
                                               "Sequele",
                                               "Sequele pari disp.",
                                               "Vortice + sequenze",
                                               "Somma",
                                               "Baricentro",
                                               "Resti",
                                               "Picchetto"};
    ASSERT_EQ(pages.size(), captions.size());
    for (std::size_t i = 0; i < pages.size(); ++i) {
        EXPECT_EQ(pages[i].caption, captions[i]);
        ASSERT_FALSE(pages[i].metrics.empty());
        for (const SystemMetric& m : pages[i].metrics)
            EXPECT_FALSE(m.name.empty()) << pages[i].caption << " slot " << m.slot;
    }
}

TEST(SystemConditions, CountsTheColumnsOfEachValue) {
    Fixture f;
    SystemConditions t;
    for (const Column& c :
         {col(1, 2, 3, 4, 5), col(2, 4, 6, 8, 10), col(1, 3, 5, 7, 9), col(10, 20, 30, 40, 49)})
        t.add(c, f.inputs());
    EXPECT_EQ(t.columns(), 4);

    const std::map<std::string, std::int64_t> evens{{"0 =", 1}, {"2 =", 1}, {"4 =", 1}, {"5 =", 1}};
    EXPECT_EQ(countsOf(t, "Pari dispari", "Segni Pari"), evens);
    const std::map<std::string, std::int64_t> first{{"1 =", 2}, {"2 =", 1}, {"10 =", 1}};
    EXPECT_EQ(countsOf(t, "Casella", "1° Casella"), first);
    // Sums 15, 30, 25, 149.
    const std::map<std::string, std::int64_t> byFour{{"1 =", 2}, {"2 =", 1}, {"3 =", 1}};
    EXPECT_EQ(countsOf(t, "Resti", "Resto Diviso 4"), byFour);
}

TEST(SystemConditions, RowsFillTheRangeBetweenTheValuesTaken) {
    const SystemConditions t = tallied({col(1, 2, 3, 4, 5), col(1, 10, 20, 30, 49)});
    const auto rows = t.pageRows(pageIndex("Casella"));
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front().label, "1 =");
    EXPECT_EQ(rows.back().label, "49 =");
    EXPECT_EQ(rows.size(), 49u);
    // Every metric counts every column once.
    for (std::size_t m = 0; m < 5; ++m) {
        std::int64_t total = 0;
        for (const auto& r : rows)
            total += r.counts[m];
        EXPECT_EQ(total, 2) << m;
    }
}

TEST(SystemConditions, EveryPageCountsEveryColumnOnceOverRandomColumns) {
    Fixture f;
    SystemConditions t;
    for (const Column& c : test::randomColumns(500, 7))
        t.add(c, f.inputs());
    for (std::size_t p = 0; p < systemConditionPages().size(); ++p) {
        const auto rows = t.pageRows(static_cast<int>(p));
        for (std::size_t m = 0; m < systemConditionPages()[p].metrics.size(); ++m) {
            std::int64_t total = 0;
            for (const auto& r : rows)
                total += r.counts[m];
            const bool ambata = systemConditionPages()[p].metrics[m].slot == 141;
            if (ambata)
                EXPECT_LE(total, 500);
            else
                EXPECT_EQ(total, 500) << systemConditionPages()[p].metrics[m].name;
        }
    }
}

TEST(SystemConditions, PicchettoSumsShowTheirHundredths) {
    Fixture f;
    f.picchetti.setValue(1, 1, 150);
    f.picchetti.setValue(1, 2, 200);
    SystemConditions t;
    t.add(col(1, 2, 3, 4, 5), f.inputs());
    t.add(col(2, 3, 4, 5, 6), f.inputs());
    t.add(col(3, 4, 5, 6, 7), f.inputs());
    const std::map<std::string, std::int64_t> sums{{"0 =", 1}, {"2 =", 1}, {"3,50 =", 1}};
    EXPECT_EQ(countsOf(t, "Picchetto", "Picchetto 1"), sums);
    // A picchetto left at zero puts every column on 0.
    EXPECT_EQ(countsOf(t, "Picchetto", "Picchetto 2"),
              (std::map<std::string, std::int64_t>{{"0 =", 3}}));
}

TEST(SystemConditions, TallyReadsTheStoredRowsAndStopsOnCancel) {
    Fixture f;
    ColumnStore store;
    const auto cols = test::randomColumns(2500, 3);
    for (std::size_t i = 0; i < cols.size(); ++i)
        store.store(static_cast<std::int32_t>(i + 1), cols[i]);
    store.storedCount = 2400;

    Progress progress;
    SystemConditions t;
    EXPECT_TRUE(t.tally(store, f.inputs(), progress));
    EXPECT_EQ(t.columns(), 2400);
    EXPECT_EQ(progress.done.load(), 2400);

    SystemConditions direct;
    for (std::size_t i = 0; i < 2400; ++i)
        direct.add(cols[i], f.inputs());
    for (std::size_t p = 0; p < systemConditionPages().size(); ++p) {
        const auto a = t.pageRows(static_cast<int>(p));
        const auto b = direct.pageRows(static_cast<int>(p));
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t r = 0; r < a.size(); ++r)
            EXPECT_EQ(a[r].counts, b[r].counts);
    }

    Progress stopped;
    stopped.cancel = true;
    SystemConditions partial;
    EXPECT_FALSE(partial.tally(store, f.inputs(), stopped));
    EXPECT_LT(partial.columns(), 2400);
}

TEST(SystemConditions, PrintedPageListsTheValuesTakenPerMetric) {
    const SystemConditions t = tallied({col(1, 2, 3, 4, 5), col(1, 2, 3, 4, 6)});
    const auto lines = t.pageText(pageIndex("Casella"));
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], "Casella    Col.Elaborate = 2");
    const auto at = std::find(lines.begin(), lines.end(), "5° Casella");
    ASSERT_NE(at, lines.end());
    EXPECT_EQ(*(at + 1), "      5 =       1      6 =       1");
    EXPECT_TRUE(t.pageText(99).empty());
}

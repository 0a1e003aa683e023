#include "conditions/Metrics.h"
#include "support/Columns.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

using namespace varnelo;
using varnelo::test::col;
using varnelo::test::forEveryColumn;

namespace {

CatalogueValues values(const Column& c) {
    CatalogueValues v;
    catalogueMetrics(c, {}, v);
    return v;
}

} // namespace

TEST(Metrics, EdgeColumnsOfTheCatalogue) {
    struct Expect {
        Column c;
        std::map<int, int> codes;
    };
    const Expect cases[] = {
        {col(1, 2, 3, 4, 5),
         {{1, 2},
          {3, 3},
          {7, 4},
          {6, 3},
          {5, 2},
          {8, 2},
          {27, 0},
          {28, 0},
          {29, 0},
          {30, 0},
          {41, 5},
          {42, 5},
          {12, 1},
          {15, 4},
          {18, 4},
          {34, 1}}},
        {col(2, 4, 6, 8, 10), {{13, 4}, {14, 2}, {21, 0}, {22, 1}, {2, 5}, {19, 4}}},
        {col(1, 3, 20, 30, 45), {{13, 1}, {14, 1}, {41, 1}, {42, 1}, {27, 5}}},
        {col(10, 20, 30, 40, 49), {{34, 4}, {40, 2}}},
        // A run of two and a run of three: Totali counts all five numbers.
        {col(1, 2, 10, 11, 12), {{41, 5}, {42, 3}, {28, 1}, {29, 1}, {27, 0}, {8, 2}, {7, 3}}},
        {col(1, 2, 4, 5, 30), {{41, 4}, {42, 2}, {28, 2}, {27, 1}, {12, 3}}},
        {col(3, 5, 7, 20, 22), {{13, 3}, {14, 2}, {16, 1}, {17, 0}, {15, 1}}},
    };
    for (const auto& e : cases) {
        const CatalogueValues v = values(e.c);
        for (auto [code, want] : e.codes)
            EXPECT_EQ(v[code], want)
                << "codice " << code << " (" << metricLabel(code) << ") di " << int(e.c[0]) << " "
                << int(e.c[1]) << " " << int(e.c[2]) << " " << int(e.c[3]) << " " << int(e.c[4]);
    }
}

TEST(Metrics, VortexTableOfAllThirtyTwoPatterns) {
    // Pattern (P even, D odd) -> diretto, bracci diretto, inverso, bracci inverso.
    const std::map<std::string, std::array<int, 4>> table = {
        {"PDDDD", {4, 4, 3, 3}}, {"PDDDP", {3, 4, 3, 4}}, {"PDDPD", {2, 3, 3, 2}},
        {"PDDPP", {4, 2, 2, 4}}, {"PDPDD", {2, 2, 3, 3}}, {"PDPDP", {4, 3, 2, 3}},
        {"PDPPD", {3, 2, 4, 3}}, {"PDPPP", {4, 3, 3, 3}}, {"PPDDD", {2, 1, 4, 2}},
        {"PPDDP", {4, 4, 2, 2}}, {"PPDPD", {3, 3, 4, 2}}, {"PPDPP", {3, 4, 3, 4}},
        {"PPPDD", {2, 2, 4, 1}}, {"PPPDP", {3, 3, 2, 3}}, {"PPPPD", {3, 3, 2, 4}},
        {"PPPPP", {3, 4, 3, 4}}};
    for (auto [pattern, want] : table) {
        for (bool swap : {false, true}) {
            // A column with that parity pattern: even and odd numbers ascending.
            Column c;
            int next = 1;
            for (int i = 0; i < 5; ++i) {
                const bool even = (pattern[i] == 'P') != swap;
                if (kEven.isEven(next) != even)
                    ++next;
                c[i] = static_cast<std::uint8_t>(next++);
            }
            const CatalogueValues v = values(c);
            EXPECT_EQ(v[23], want[0]) << pattern << (swap ? " scambiato" : "");
            EXPECT_EQ(v[24], want[1]) << pattern << (swap ? " scambiato" : "");
            EXPECT_EQ(v[25], want[2]) << pattern << (swap ? " scambiato" : "");
            EXPECT_EQ(v[26], want[3]) << pattern << (swap ? " scambiato" : "");
        }
    }
}

TEST(Metrics, ArchiveBridgeRule) {
    EXPECT_EQ(archiveBridgeCount(col(2, 4, 6, 8, 10)), 0);
    EXPECT_EQ(archiveBridgeCount(col(1, 3, 20, 30, 45)), 1);
    EXPECT_EQ(archiveBridgeCount(col(1, 3, 5, 20, 22)), 2); // one per chain of bridges
    EXPECT_EQ(archiveBridgeCount(col(2, 4, 10, 12, 30)),
              1); // a column beginning 2, 4 skips its first chain
}

TEST(Metrics, ShapeMetrics) {
    const Column c = col(1, 4, 6, 9, 11);
    EXPECT_EQ(distanceMetric(Distance::Extreme, c), 10);
    EXPECT_EQ(distanceMetric(Distance::Min, c), 2);
    EXPECT_EQ(distanceMetric(Distance::Max, c), 3);
    EXPECT_EQ(distanceMetric(Distance::Mean, c), 2);                   // 2.5 goes to 2
    EXPECT_EQ(distanceMetric(Distance::Mean, col(1, 2, 3, 4, 15)), 4); // 3.5 goes to 4
    EXPECT_EQ(distanceMetric(Distance::Mean, col(1, 2, 3, 4, 7)), 2);  // 1.5 goes to 2
    EXPECT_EQ(sumMetric(Sum::Total, c), 31);
    EXPECT_EQ(sumMetric(Sum::Even, c), 10);
    EXPECT_EQ(sumMetric(Sum::Odd, c), 21);
    std::array<int, 50> delays{};
    delays[1] = 3;
    delays[11] = 40;
    EXPECT_EQ(sumMetric(Sum::Delays, c, {nullptr, nullptr, &delays}), 43);
    EXPECT_EQ(sumMetric(Sum::Delays, c), 0);
    EXPECT_EQ(positionValue(c, 3), 6);
    EXPECT_EQ(distanceBetween(c, 2, 5), 7);
    EXPECT_EQ(betweenPair(4), (std::array<int, 2>{2, 3}));
}

TEST(Metrics, ComparisonAndForecastContext) {
    std::array<int, 52> comparison{};
    for (int n : {5, 20, 33})
        comparison[n] = 1;
    std::array<int, 50> rank{};
    const int forecast[] = {3, 7, 9, 12, 20, 21, 30};
    for (int i = 0; i < 7; ++i)
        rank[forecast[i]] = i + 1;
    const MetricContext ctx{&rank, &comparison, nullptr};
    CatalogueValues v;
    catalogueMetrics(col(4, 5, 6, 21, 34), ctx, v);
    EXPECT_EQ(v[35], 1); // 5
    EXPECT_EQ(v[36], 4); // 4, 6 (by 5), 21 (by 20), 34 (by 33); 5 itself does not count
    catalogueMetrics(col(3, 7, 9, 12, 30), ctx, v);
    EXPECT_EQ(v[39], 3);
    EXPECT_EQ(v[38], 2);
    EXPECT_EQ(v[37], 1);
}

TEST(Metrics, PropertiesOverEveryColumn) {
    long count = 0;
    DistributionTable table;
    forEveryColumn([&](const Column& c) {
        ++count;
        const CatalogueValues v = values(c);
        table.tally(v);
        ASSERT_EQ(v[1] + v[3], 5);
        ASSERT_EQ(v[9], v[10] + v[11]);
        ASSERT_EQ(v[15], v[16] + v[17]);
        ASSERT_EQ(v[19] + v[20], 4);
        ASSERT_EQ(v[13], [&] {
            int n = 0;
            for (int k = 1; k < 5; ++k)
                n += c[k] - c[k - 1] == 2;
            return n;
        }());
        ASSERT_LE(v[14], v[13]);
        ASSERT_LE(v[8], v[7]);
        ASSERT_LE(v[18], v[15]);
        // Numbers in runs of length 1..4 add up to 5 unless all five are one run.
        const int inRuns = v[27] + 2 * v[28] + 3 * v[29] + 4 * v[30];
        ASSERT_EQ(inRuns, v[42] == 5 ? 0 : 5);
        ASSERT_EQ(v[41], v[42] == 1 ? 1 : 5 - v[27]);
        ASSERT_EQ(v[7], 5 - (v[27] + v[28] + v[29] + v[30] + (v[42] == 5)));
        for (int code = 1; code <= kMaxMetricCode; ++code)
            ASSERT_LE(v[code], metricMaxValue(code));
        ASSERT_GE(v[12], 1);
        ASSERT_GE(v[34], 1);
        ASSERT_GE(v[40], 1);
        ASSERT_GE(v[22], 1);
        ASSERT_GE(v[23], 2);
        ASSERT_LE(v[23], 4);
        ASSERT_GE(v[24], 1);
        ASSERT_LE(v[24], 4);
        const int mean = distanceMetric(Distance::Mean, c);
        ASSERT_LE(std::abs(4 * mean - distanceMetric(Distance::Extreme, c)), 2);
        ASSERT_EQ(sumMetric(Sum::Even, c) + sumMetric(Sum::Odd, c), sumMetric(Sum::Total, c));
    });
    EXPECT_EQ(count, kAllColumns);
    for (int code = 1; code <= kMaxMetricCode; ++code) {
        long total = 0;
        for (int value = 0; value <= 5; ++value)
            total += table.count(value, code);
        EXPECT_EQ(total, isCatalogueCode(code) ? kAllColumns : 0) << code;
    }
}

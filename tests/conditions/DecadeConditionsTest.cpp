#include "conditions/DecadeConditions.h"
#include "FamilyTestSupport.h"
#include "conditions/ComparisonDraws.h"
#include "conditions/FamilySlotMetric.h"
#include "conditions/Metrics.h"

#include <gtest/gtest.h>

using namespace varnelo;
using varnelo::test::col;

TEST(DecadeConditions, SumsAndDifferentCounts) {
    struct Case {
        Column c;
        int tens, units, plus;
    };
    const Case cases[] = {
        {col(1, 2, 3, 4, 5), 0, 15, 6},
        {col(10, 20, 30, 40, 41), 14, 1, 6},
        {col(38, 39, 47, 48, 49), 18, 41, 2 + 3},
    };
    const SequelePatterns none;
    for (const auto& k : cases) {
        EXPECT_EQ(decadeSum(DecadeSum::Tens, k.c), k.tens);
        EXPECT_EQ(decadeSum(DecadeSum::Units, k.c), k.units);
        EXPECT_EQ(decadeSum(DecadeSum::Total, k.c), k.tens + k.units);
        EXPECT_EQ(decadesPlusUnits(k.c), k.plus);
        EXPECT_EQ(familySlotValue(kDecadeSumSlot + 2, k.c, {}, none), k.tens + k.units);
        EXPECT_EQ(familySlotValue(kDecadesPlusUnitsSlot, k.c, {}, none), k.plus);
    }
    // The largest total the table has to hold.
    EXPECT_EQ(decadeSum(DecadeSum::Total, col(38, 39, 47, 48, 49)), 59);
}

TEST(DecadeConditions, ComparisonWithTheLastDraws) {
    const std::vector<Column> draws = {col(1, 2, 3, 4, 5), col(10, 20, 30, 40, 45),
                                       col(6, 16, 26, 36, 46)};
    const auto k1 = comparisonNumbers(draws, 1);
    std::array<int, 52> expect{};
    for (int n : {6, 16, 26, 36, 46})
        expect[static_cast<std::size_t>(n)] = 1;
    EXPECT_EQ(k1, expect);
    MetricContext ctx;
    ctx.comparison = &k1;
    EXPECT_EQ(metricValue(35, col(6, 16, 26, 36, 46), ctx), 5);
    EXPECT_EQ(metricValue(36, col(5, 7, 15, 27, 49), ctx), 4);

    // More draws than the selection holds takes them all.
    const auto all = comparisonNumbers(draws, 11);
    EXPECT_EQ(all[1], 1);
    EXPECT_EQ(all[46], 1);
}

TEST(DecadeConditions, DistInVertReading) {
    struct Case {
        const char* text;
        int current, expect;
    };
    const Case cases[] = {
        {"5\r\n", 3, 5}, {"0", 7, 3},   {"12", 7, 11},      {"-4", 7, 3},
        {"", 7, 7},      {"abc", 7, 7}, {"\xff\xfe", 4, 4},
    };
    for (const auto& k : cases)
        EXPECT_EQ(parseComparisonDraws(k.text, k.current), k.expect) << k.text;
    EXPECT_EQ(parseComparisonDraws(formatComparisonDraws(9), 1), 9);
}

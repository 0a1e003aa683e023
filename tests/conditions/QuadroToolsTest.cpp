#include "conditions/QuadroTools.h"
#include "FamilyTestSupport.h"

#include <gtest/gtest.h>

using namespace varnelo;
using varnelo::test::col;
using varnelo::test::maskOf;

namespace {

Draw drawOn(int year, const Column& c) {
    Draw d;
    d.numbers = c;
    d.year = year;
    d.day = 1;
    d.month = 1;
    return d;
}

// One filter column 1..10 admitting 1 or 2 hits; at least one admitted filter column.
AndOrQuadro smallQuadro() {
    AndOrQuadro q;
    q.columns = {{maskOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), 0b000110}};
    q.guessed = {1, 1};
    q.points = {0, 10};
    return q;
}

} // namespace

TEST(QuadroTools, TypedNumbersTakeBlanksCommasAndDashesAndRefuseTheRest) {
    struct Case {
        const char* typed;
        std::optional<std::uint64_t> mask;
    };
    const Case cases[] = {
        {"3 12 25", maskOf({3, 12, 25})},
        {" 1,49  7 ", maskOf({1, 7, 49})},
        {"03-12-25-33-41", maskOf({3, 12, 25, 33, 41})},
        {"1 2 3 4 5 6 7 8", maskOf({1, 2, 3, 4, 5, 6, 7, 8})},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"0 5", std::nullopt},
        {"50", std::nullopt},
        {"7 7", std::nullopt},
        {"3 x 4", std::nullopt},
        {"123", std::nullopt},
        {"4.5", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(typedFilterNumbers(c.typed), c.mask) << c.typed;
}

TEST(QuadroTools, ColumnsBecomeFilterColumnsWithTheAdmittedHits) {
    const auto f = quadroColumnsOf({col(1, 2, 3, 4, 5), col(10, 20, 30, 40, 49)}, 2, 4);
    ASSERT_EQ(f.size(), 2u);
    EXPECT_EQ(f[0].numbers, maskOf({1, 2, 3, 4, 5}));
    EXPECT_EQ(f[1].numbers, maskOf({10, 20, 30, 40, 49}));
    EXPECT_EQ(f[0].hits, 0b011100);
}

TEST(QuadroTools, SatisfiedNeedsBothRangesBoundsIncluded) {
    AndOrQuadro q = smallQuadro();
    EXPECT_TRUE(quadroSatisfied(q, col(1, 20, 30, 40, 49)));   // 1 hit
    EXPECT_TRUE(quadroSatisfied(q, col(1, 2, 30, 40, 49)));    // 2 hits
    EXPECT_FALSE(quadroSatisfied(q, col(1, 2, 3, 40, 49)));    // 3 hits: not admitted
    EXPECT_FALSE(quadroSatisfied(q, col(20, 30, 40, 45, 49))); // 0 hits
    q.points = {2, 2};
    EXPECT_FALSE(quadroSatisfied(q, col(1, 20, 30, 40, 49)));
    EXPECT_TRUE(quadroSatisfied(q, col(1, 2, 30, 40, 49)));
}

TEST(QuadroTools, YearsCountTheDrawsTheQuadroAdmitsAndAverageThem) {
    const std::vector<Draw> draws = {
        drawOn(2020, col(1, 20, 30, 40, 49)),  // admitted, 1 point
        drawOn(2020, col(20, 30, 40, 45, 49)), // not
        drawOn(2021, col(1, 2, 30, 40, 49)),   // admitted, 2 points
        drawOn(2021, col(1, 2, 3, 40, 49)),    // 3 hits: not admitted
        drawOn(2021, col(1, 2, 3, 4, 49)),     // 4 hits: not admitted
    };
    const QuadroYears y = quadroYears(smallQuadro(), draws);
    ASSERT_EQ(y.years.size(), 2u);
    EXPECT_EQ(y.years[0].year, 2020);
    EXPECT_EQ(y.years[0].draws, 2);
    EXPECT_EQ(y.years[0].satisfied, 1);
    EXPECT_DOUBLE_EQ(y.years[0].guessed, 0.5);
    EXPECT_DOUBLE_EQ(y.years[0].points, 0.5);
    EXPECT_EQ(y.years[1].draws, 3);
    EXPECT_EQ(y.years[1].satisfied, 1);
    EXPECT_DOUBLE_EQ(y.years[1].points, 2.0 / 3.0);
    EXPECT_DOUBLE_EQ(y.mean.guessed, (0.5 + 1.0 / 3.0) / 2);
    EXPECT_EQ(y.mean.satisfied, 1);
    EXPECT_TRUE(quadroYears(smallQuadro(), {}).years.empty());
}

TEST(QuadroTools, NumberCountsCountTheFilterColumnsHoldingEachNumber) {
    AndOrQuadro q = smallQuadro();
    q.columns.push_back({maskOf({10, 49}), 1});
    const auto counts = quadroNumberCounts(q);
    EXPECT_EQ(counts[1], 1);
    EXPECT_EQ(counts[10], 2);
    EXPECT_EQ(counts[49], 1);
    EXPECT_EQ(counts[11], 0);
}

#include "stats/NumberStatistics.h"
#include "support/Draws.h"

#include <gtest/gtest.h>

using namespace varnelo;
using varnelo::test::drawOf;

TEST(NumberStatistics, EmptySelection) {
    const NumberStatistics t = computeNumberStatistics({});
    EXPECT_EQ(t.drawCount, 0);
    for (int n = 1; n <= kMaxNumber; ++n)
        EXPECT_EQ(t.rows[static_cast<std::size_t>(n)], NumberRow{}) << n;
}

TEST(NumberStatistics, EdgeRowsOfTenDraws) {
    std::vector<Draw> draws;
    draws.push_back(drawOf({1, 2, 3, 4, 5}));
    for (int i = 1; i < 10; ++i)
        draws.push_back(drawOf({2, 3, 4, 5, static_cast<std::uint8_t>(5 + i)}));
    const NumberStatistics t = computeNumberStatistics(draws);
    // Only in the oldest draw.
    EXPECT_EQ(t.rows[1], (NumberRow{1, 100000, 9, 0, 9000}));
    // In every draw.
    EXPECT_EQ(t.rows[2], (NumberRow{10, 10000, 0, 0, 0}));
    // Never drawn: delay N, ratios 0.
    EXPECT_EQ(t.rows[49], (NumberRow{0, 0, 10, 0, 0}));
    // 6 comes in the second draw: one absence before it, then still open.
    EXPECT_EQ(t.rows[6].longestDelay, 1);
    EXPECT_EQ(t.rows[6].delay, 8);
    // 14 only in the newest draw after nine absences.
    EXPECT_EQ(t.rows[14], (NumberRow{1, 100000, 0, 9, 0}));
    EXPECT_EQ(cycleClass(9999), 0);
    EXPECT_EQ(cycleClass(10000), 1);
    EXPECT_EQ(cycleClass(20000), 2);
}

TEST(NumberStatistics, DelayFiguresUseTheNewest5000Draws) {
    std::vector<Draw> draws;
    draws.push_back(drawOf({1, 2, 3, 4, 5})); // falls out of the window
    for (int i = 0; i < 5000; ++i)
        draws.push_back(drawOf({10, 11, 12, 13, static_cast<std::uint8_t>(14 + i % 3)}));
    const DelayFigures f = computeDelayFigures(draws);
    EXPECT_EQ(f.numbers.drawCount, 5000);
    EXPECT_EQ(f.numbers.rows[1].delay, 5000);
    EXPECT_EQ(f.pairDelay[1 * 100 + 2], 5000);
    EXPECT_EQ(f.pairDelay[10 * 100 + 11], 0);
    EXPECT_EQ(f.pairDelay[14 * 100 + 16], 5000); // never together
    EXPECT_EQ(f.percentOut[10], 100 * 10000);
    // 14 came 1667 times: 5000 / 1667 = 2.9994 shows 3.00.
    EXPECT_EQ(f.numbers.rows[14].outs, 1667);
    EXPECT_EQ(f.numbers.rows[14].mean, 30000);
    EXPECT_EQ(f.percentOut[14], 3334 * 100);
}

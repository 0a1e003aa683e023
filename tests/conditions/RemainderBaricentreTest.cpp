#include "FamilyTestSupport.h"
#include "conditions/Baricentre.h"
#include "conditions/FamilySlotMetric.h"
#include "conditions/Remainders.h"

#include <gtest/gtest.h>

using namespace varnelo;
using varnelo::test::col;

TEST(Remainders, OfTheColumnSum) {
    const Column c = col(1, 2, 3, 4, 5);
    const int expect[] = {1, 0, 3, 0, 3, 1, 7, 6}; // 15 mod 2..9
    const SequelePatterns none;
    for (int d = kFirstDivisor; d <= kLastDivisor; ++d) {
        EXPECT_EQ(remainderOf(c, d), expect[d - 2]) << d;
        EXPECT_EQ(familySlotValue(remainderSlot(d), c, {}, none), expect[d - 2]);
    }
    EXPECT_EQ(remainderSlot(2), 100);
    EXPECT_EQ(remainderSlot(9), 107);
}

TEST(Baricentre, KindsAndEmptyParity) {
    struct Case {
        Column c;
        int total, even, odd;
    };
    const Case cases[] = {
        {col(1, 2, 3, 4, 5), 3, 3, 3},        {col(45, 46, 47, 48, 49), 47, 47, 47},
        {col(1, 3, 5, 7, 9), 5, 0, 5},        {col(2, 4, 6, 8, 49), 13, 5, 49},
        {col(10, 20, 30, 40, 48), 29, 29, 0},
    };
    const SequelePatterns none;
    for (const auto& k : cases) {
        EXPECT_EQ(baricentre(Baricentre::Total, k.c), k.total);
        EXPECT_EQ(baricentre(Baricentre::Even, k.c), k.even);
        EXPECT_EQ(baricentre(Baricentre::Odd, k.c), k.odd);
        EXPECT_EQ(familySlotValue(kBaricentreSlot + 1, k.c, {}, none), k.even);
    }
}

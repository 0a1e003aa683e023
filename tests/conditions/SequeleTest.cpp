#include "conditions/Sequele.h"
#include "FamilyTestSupport.h"
#include "conditions/FamilySlotMetric.h"

#include <gtest/gtest.h>

using namespace varnelo;
using varnelo::test::col;

TEST(Sequele, ValueCountsAgreeingPositions) {
    SequelePatterns s;
    const Column c = col(2, 3, 4, 5, 6); // P D P D P
    EXPECT_EQ(s.value(1, c), 5) << "an all-Any pattern fits every column";
    const ParityMark pdpdp[] = {ParityMark::Even, ParityMark::Odd, ParityMark::Even,
                                ParityMark::Odd, ParityMark::Even};
    for (int p = 1; p <= 5; ++p)
        s.setMark(1, p, pdpdp[p - 1]);
    EXPECT_EQ(s.value(1, c), 5);
    EXPECT_EQ(s.value(1, col(1, 2, 3, 4, 5)), 0);
    EXPECT_EQ(s.value(1, col(2, 3, 4, 5, 7)), 4);
    s.setMark(2, 3, ParityMark::Odd); // one constrained position, the rest Any
    EXPECT_EQ(s.value(2, c), 4);
    EXPECT_EQ(s.value(2, col(1, 2, 3, 4, 5)), 5);
    EXPECT_EQ(familySlotValue(kSequeleSlot + 1, c, {}, s), 4);
    // Out-of-range patterns and positions are never stored.
    s.setMark(12, 1, ParityMark::Odd);
    s.setMark(1, 6, ParityMark::Odd);
    EXPECT_EQ(s.mark(12, 1), ParityMark::Any);
}

TEST(Sequele, ParityBitsGiveTheSameValue) {
    SequelePatterns s;
    s.setMark(4, 1, ParityMark::Odd);
    s.setMark(4, 2, ParityMark::Odd);
    s.setMark(4, 5, ParityMark::Even);
    for (const Column& c : varnelo::test::randomColumns(500, 7)) {
        unsigned bits = 0;
        for (int p = 0; p < 5; ++p)
            bits |= (c[static_cast<std::size_t>(p)] % 2 == 0 ? 1u : 0u) << p;
        EXPECT_EQ(s.valueOfParities(4, bits), s.value(4, c));
    }
}

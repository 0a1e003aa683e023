#include "conditions/Sequele.h"
#include "FamilyTestSupport.h"
#include "conditions/FamilySlotMetric.h"
#include "conditions/ParityPatterns.h"

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

// The fixed patterns of "Pari e dispari:" are told apart by their shape and
// valued by the agreeing positions, through the family slots 51..61.
TEST(ParityPatterns, FixedShapesAndTheirValues) {
    const struct {
        int pattern;
        const char* text;
        Column c;
        int value;
    } cases[] = {
        {1, "P P P P P", col(2, 4, 6, 8, 10), 5},     {1, "P P P P P", col(1, 3, 5, 7, 9), 0},
        {2, "P D P D P", col(2, 3, 4, 5, 6), 5},      {2, "P D P D P", col(2, 3, 4, 5, 7), 4},
        {3, "P P D D D", col(2, 4, 5, 7, 9), 5},      {5, "P D D D P", col(1, 2, 4, 6, 7), 0},
        {8, "P P P P D", col(10, 20, 30, 40, 49), 5}, {11, "P D D P P", col(2, 3, 5, 8, 9), 4},
    };
    for (const auto& k : cases) {
        EXPECT_EQ(parityPatternText(k.pattern), k.text);
        EXPECT_EQ(familySlotValue(kParityPatternSlot + k.pattern - 1, k.c, {}, SequelePatterns{}),
                  k.value)
            << k.text;
    }
    // No two patterns alike and none the mirror of another.
    for (int a = 1; a <= kParityPatternCount; ++a)
        for (int b = a + 1; b <= kParityPatternCount; ++b) {
            EXPECT_NE(parityPatternText(a), parityPatternText(b));
            for (int p = 1; p <= 5; ++p)
                if (parityPatterns().mark(a, p) == parityPatterns().mark(b, p))
                    break;
                else if (p == 5)
                    ADD_FAILURE() << a << " e " << b << " speculari";
        }
}

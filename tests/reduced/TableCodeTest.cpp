#include "reduced/TableCode.h"

#include <gtest/gtest.h>

using namespace varnelo;

TEST(TableCode, CompletionAndCut) {
    EXPECT_EQ(completeCode("R5N10F0G35"), "R5N10F0G35V01");
    EXPECT_EQ(completeCode("R5N10F0G35V02"), "R5N10F0G35V02");
    EXPECT_EQ(completeCode("R5N10F0G35V01EXTRA"), "R5N10F0G35V01");
    EXPECT_EQ(completeCode(""), "V01");
    // Eleven or twelve characters are neither completed nor valid.
    EXPECT_EQ(completeCode("R5N10F0G35V"), "R5N10F0G35V");
    EXPECT_FALSE(parseTableCode(completeCode("R5N10F0G35V")));
}

TEST(TableCode, ReadsAndWritesTheLayout) {
    const auto t = parseTableCode("O5N10F1G34V08");
    ASSERT_TRUE(t);
    EXPECT_EQ(*t, (TableCode{'O', 5, 10, 1, 3, 4, 8}));
    EXPECT_EQ(t->text(), "O5N10F1G34V08");
    for (const char* bad : {"X5N10F0G35V01", "R5M10F0G35V01", "R5N1AF0G35V01", "R5N10F0G3 V01",
                            "R5N10F0G35V0", "r5n10f0g35v01"})
        EXPECT_FALSE(parseTableCode(bad)) << bad;
}

TEST(TableCode, FreeFormTakesTheFixedNumbersOut) {
    const std::pair<const char*, const char*> cases[] = {
        {"R5N20F1G35V01", "R4N20F0G24V01"},
        {"R5N20F2G35V01", "R3N20F0G13V01"},
        {"O5N05F1G33V01", "O4N05F0G22V01"},
        {"R5N10F0G35V01", "R5N10F0G35V01"},
    };
    for (auto [code, free] : cases)
        EXPECT_EQ(parseTableCode(code)->freeForm().text(), free);
    EXPECT_EQ(familyFileName('R', 5, 4, 5), "R5G45.tab");
}

#include "reduced/ReducedNames.h"

#include <gtest/gtest.h>

using namespace varnelo;

TEST(ReducedNames, GuaranteesAndOrthogonalOptions) {
    EXPECT_EQ(guaranteeName(4, 5), " Garanzia 4 punti  su 5 Numeri");
    EXPECT_EQ(guaranteeShortName(4, 5), "Garanzia. 4 su 5 N°");
    EXPECT_EQ(guaranteeShortName(2, 2), "Garanzia 2 su 2 N°");
    EXPECT_EQ(guaranteeName(0, 0), " Garanzia integrale");
    EXPECT_FALSE(guaranteeName(1, 5));
    const struct {
        int option, g, c;
        const char* name;
    } cases[] = {{1, 4, 4, "Gar.4  con 4 Numeri"},
                 {3, 2, 2, "Gar.2  con 2 Numeri"},
                 {4, 3, 4, "Gar.3  con 4 Numeri"},
                 {9, 1, 2, "Gar.1  con 2 Numeri"}};
    for (const auto& x : cases) {
        const auto o = orthogonalOption(x.option);
        ASSERT_TRUE(o);
        EXPECT_EQ(o->name, x.name);
        EXPECT_EQ(o->g, x.g);
        EXPECT_EQ(o->c, x.c);
    }
    EXPECT_EQ(orthogonalTitle(2), "Gar.3  con 3 NumeriOrtogonale ");
    for (int bad : {0, 10, -1})
        EXPECT_FALSE(orthogonalOption(bad)) << bad;
}

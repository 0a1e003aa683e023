#include "checking/CostShares.h"

#include <gtest/gtest.h>

using namespace varnelo;

TEST(CostShares, SystemCostFromColumnsNumeronePairsAndPrice) {
    struct Case {
        std::int64_t columns;
        std::int32_t pairs;
        double price;
        std::int64_t cents;
    };
    const Case cases[] = {
        {56, 1, 0.50, 2800},          {56, 3, 0.50, 8400}, {0, 1, 0.50, 0},
        {1906884, 1, 0.50, 95344200}, {7, 1, 1.15, 805},   {7, 0, 1.00, 700},
    };
    for (const Case& c : cases)
        EXPECT_EQ(systemCostCents(c.columns, c.pairs, c.price), c.cents)
            << c.columns << " x " << c.pairs << " x " << c.price;
}

TEST(CostShares, ShareCountText) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"", 1},   {"   ", 1}, {"1", 1},     {"4", 4},    {" 12 ", 12}, {"999", 999},
        {"0", {}}, {"-2", {}}, {"1000", {}}, {"3,5", {}}, {"abc", {}},  {"2 3", {}},
    };
    for (const auto& [text, count] : cases)
        EXPECT_EQ(shareCount(text), count) << '"' << text << '"';
}

TEST(CostShares, OneShareCostsTheWholeSystem) {
    const std::int64_t cost = systemCostCents(253, 1, 0.50);
    EXPECT_EQ(shareCostCents(cost, *shareCount("")), cost);
    EXPECT_EQ(shareCostCents(cost, *shareCount("1")), cost);
    EXPECT_EQ(moneyText(shareCostCents(cost, 1)), "126,50");
}

TEST(CostShares, SharesRoundToTheCent) {
    EXPECT_EQ(shareCostCents(1000, 3), 333);
    EXPECT_EQ(shareCostCents(1001, 2), 501);
    EXPECT_EQ(shareCostCents(2800, 4), 700);
    EXPECT_EQ(shareCostCents(0, 5), 0);
    EXPECT_EQ(shareCostCents(900, 0), 900);
}

TEST(CostShares, MoneyWithoutGroupingAndWithTheComma) {
    EXPECT_EQ(moneyText(0), "0,00");
    EXPECT_EQ(moneyText(5), "0,05");
    EXPECT_EQ(moneyText(123450), "1234,50");
    EXPECT_EQ(moneyText(95344200), "953442,00");
}

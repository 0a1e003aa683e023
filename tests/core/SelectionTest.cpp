#include "core/Selection.h"
#include "core/ColumnStore.h"

#include <gtest/gtest.h>

using namespace varnelo;

TEST(Selection, NeverAFifthFixedNumber) {
    Selection s;
    for (int n = 1; n <= 4; ++n)
        EXPECT_TRUE(s.setState(n, Selection::Fixed));
    EXPECT_FALSE(s.setState(5, Selection::Fixed));
    EXPECT_EQ(s.state(5), Selection::NotChosen);
    EXPECT_EQ(s.fixedCount(), 4);
    EXPECT_TRUE(s.setState(4, Selection::Fixed)); // already fixed: no change
    EXPECT_TRUE(s.setState(4, Selection::Chosen));
    EXPECT_TRUE(s.setState(5, Selection::Fixed));
    EXPECT_EQ(s.fixedCount(), 4);
    EXPECT_EQ(s.chosenCount(), 5);
    EXPECT_EQ(s.fixedNumbers(), (std::vector<int>{1, 2, 3, 5}));
    EXPECT_FALSE(s.setState(50, Selection::Chosen));
    EXPECT_FALSE(s.setState(0, Selection::Chosen));
}

TEST(Selection, PairCountByChosenNumeroni) {
    const int want[] = {1, 1, 1, 3, 6, 10, 15, 21, 28, 9, 10};
    for (int k = 0; k <= 10; ++k)
        EXPECT_EQ(Selection::numeronePairCount(k), want[k]) << k;
    Selection s;
    for (int n = 1; n <= 8; ++n)
        s.setNumerone(n, true);
    EXPECT_EQ(s.pairCount(), 28);
    s.setNumerone(11, true); // tables keep room for 11 and 12; they never count
    EXPECT_EQ(s.numeroneCount(), 8);
}

TEST(Selection, ReadyToDevelop) {
    Selection s;
    for (int n = 1; n <= 5; ++n)
        s.setState(n, Selection::Chosen);
    s.setNumerone(1, true);
    const auto notice = s.readyToDevelop();
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->title, "Sviluppo:");
    EXPECT_EQ(notice->lines,
              (std::vector<std::string>{"per poter andare allo sviluppo", "Inserire Min 2 Numeroni",
                                        "e inserire almeno 5 numeri"}));
    s.setNumerone(10, true);
    EXPECT_FALSE(s.readyToDevelop());
    s.setState(5, Selection::NotChosen);
    EXPECT_TRUE(s.readyToDevelop());
}

TEST(ColumnStore, PositionMajorAndClearedNeverShrunk) {
    ColumnStore store;
    EXPECT_EQ(store.capacity(), 2120000);
    store.store(1, {1, 2, 3, 4, 5});
    store.store(2, {10, 20, 30, 40, 49});
    EXPECT_EQ(store.plane(1)[2], 10);
    EXPECT_EQ(store.plane(5)[1], 5);
    EXPECT_EQ(store.plane(2) - store.plane(1), 2120001);
    store.storedCount = store.systemTotal = store.developedCount = store.finalCount = 2;
    store.hasColumns = true;
    const auto* before = store.plane(1);
    store.clear();
    EXPECT_EQ(store.plane(1), before);
    EXPECT_EQ(store.storedCount + store.systemTotal + store.developedCount + store.finalCount, 0);
    EXPECT_FALSE(store.hasColumns);
    EXPECT_EQ(store.column(2), (Column{0, 0, 0, 0, 0}));
}

TEST(Numbers, Tables) {
    EXPECT_EQ(kIntegralCounts.count[5], 1);
    EXPECT_EQ(kIntegralCounts.count[6], 6);
    EXPECT_EQ(kIntegralCounts.count[49], kAllColumns);
    EXPECT_EQ(kIntegralCounts.count[4], 0);
    EXPECT_TRUE(kEven.isEven(0));
    EXPECT_TRUE(kEven.isEven(48));
    EXPECT_FALSE(kEven.isEven(49));
    EXPECT_EQ(kGroupLetters[1], "A");
    EXPECT_EQ(kGroupLetters[20], "T");
}

#include "engine/Shuffle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace varnelo;

TEST(Shuffle, KeepsEveryColumnWholeAndChangesTheOrder) {
    static ColumnStore store;
    store.clear();
    std::set<Column> before;
    std::int32_t n = 0;
    for (int a = 1; a <= 10; ++a)
        for (int b = a + 1; b <= 11; ++b) {
            const Column c{std::uint8_t(a), std::uint8_t(b), 20, 30, 40};
            store.store(++n, c);
            before.insert(c);
        }
    store.storedCount = store.systemTotal = n;
    shuffleColumns(store, 12345);
    std::set<Column> after;
    int moved = 0;
    std::int32_t i = 0;
    for (int a = 1; a <= 10; ++a)
        for (int b = a + 1; b <= 11; ++b) {
            const Column c = store.column(++i);
            after.insert(c);
            moved += c != Column{std::uint8_t(a), std::uint8_t(b), 20, 30, 40};
        }
    EXPECT_EQ(after, before);  // a permutation: nothing lost, nothing doubled
    EXPECT_GT(moved, n / 2);
    EXPECT_EQ(store.column(n + 1), (Column{0, 0, 0, 0, 0}));
    shuffleColumns(store, 1);  // one or no column: nothing to do, nothing broken
}

#include "core/SubsetIndex.h"
#include "support/Columns.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace varnelo;
using varnelo::test::col;

// A set of s..5 numbers is met when an inserted column holds s of them;
// the same answer as counting against every column.
TEST(SubsetIndex, AnswersForSetsOfFewerNumbers) {
    std::mt19937 rng(5);
    std::vector<int> pool(kMaxNumber);
    for (int n = 0; n < kMaxNumber; ++n)
        pool[static_cast<std::size_t>(n)] = n + 1;
    const auto pick = [&](std::size_t k) {
        std::shuffle(pool.begin(), pool.end(), rng);
        std::vector<std::uint8_t> out(pool.begin(), pool.begin() + static_cast<long>(k));
        std::sort(out.begin(), out.end());
        return out;
    };
    for (int s = 1; s <= 4; ++s) {
        SubsetIndex index(s);
        std::vector<Column> kept;
        // Few columns for the small subsets, or every set would be met.
        const int columns[] = {0, 5, 40, 400, 400};
        for (int i = 0; i < columns[s]; ++i) {
            const auto c = pick(kColumnSize);
            kept.push_back(col(c[0], c[1], c[2], c[3], c[4]));
            index.insert(kept.back());
        }
        for (std::size_t size = static_cast<std::size_t>(s); size <= 5; ++size)
            for (int i = 0; i < 2000; ++i) {
                const auto set = pick(size);
                const bool plain = std::any_of(kept.begin(), kept.end(), [&](const Column& k) {
                    int n = 0;
                    for (const auto x : set)
                        n += std::find(k.begin(), k.end(), x) != k.end();
                    return n >= s;
                });
                ASSERT_EQ(index.sharesWithAny(set), plain) << s << ' ' << size;
            }
    }
}

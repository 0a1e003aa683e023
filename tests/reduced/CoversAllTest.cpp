#include "reduced/Combinatorics.h"
#include "reduced/PositionTable.h"

#include <gtest/gtest.h>

#include <random>

using namespace varnelo;

namespace {

PositionTable table(int k, int n, std::vector<std::vector<int>> rows) {
    PositionTable t;
    t.rowLength = k;
    t.n = n;
    for (const auto& r : rows)
        for (int p : r)
            t.cells.push_back(static_cast<std::uint8_t>(p));
    return t;
}

// Every c-set against every row, the slow way.
bool bruteForce(const PositionTable& t, int g, int c) {
    for (std::uint64_t r = 0; r < tableBinomial(t.n, c); ++r) {
        std::uint8_t set[8];
        colexUnrank(r, c, t.n, set);
        bool met = false;
        for (std::size_t i = 0; i < t.rows() && !met; ++i) {
            int common = 0;
            for (int a = 0; a < c; ++a)
                for (int b = 0; b < t.rowLength; ++b)
                    common += set[a] + 1 == t.row(i)[b];
            met = common >= g;
        }
        if (!met)
            return false;
    }
    return true;
}

} // namespace

TEST(CoversAll, KnownTables) {
    // Two halves of ten: any five positions put three in one half.
    const auto halves = table(5, 10, {{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}});
    EXPECT_TRUE(coversAll(halves, 3, 5));
    EXPECT_TRUE(coversAll(halves, 1, 5));
    EXPECT_FALSE(coversAll(halves, 4, 5));
    // The Fano plane covers every pair of 7 points.
    const auto fano =
        table(3, 7, {{1, 2, 3}, {1, 4, 5}, {1, 6, 7}, {2, 4, 6}, {2, 5, 7}, {3, 4, 7}, {3, 5, 6}});
    EXPECT_TRUE(coversAll(fano, 2, 2));
    auto missing = fano;
    missing.cells.resize(missing.cells.size() - 3);
    EXPECT_FALSE(coversAll(missing, 2, 2));
    const auto shared = table(4, 5, {{1, 2, 3, 4}, {1, 2, 3, 5}, {1, 2, 4, 5}});
    EXPECT_TRUE(coversAll(shared, 2, 2));
    EXPECT_FALSE(coversAll(shared, 3, 3));
}

TEST(CoversAll, RefusesBrokenRowsAndHandlesDegenerateShapes) {
    EXPECT_FALSE(coversAll(table(3, 5, {{1, 2, 6}}), 1, 1)); // beyond n
    EXPECT_FALSE(coversAll(table(3, 5, {{1, 1, 2}}), 1, 1)); // repeated
    EXPECT_FALSE(coversAll(table(3, 5, {{3, 2, 1}}), 1, 1)); // out of order
    EXPECT_FALSE(coversAll(table(3, 5, {{0, 1, 2}}), 1, 1)); // position 0
    EXPECT_FALSE(coversAll(table(3, 5, {{1, 2, 3}}), 4, 4)); // g above row length
    EXPECT_TRUE(coversAll(table(3, 4, {{1, 2, 3}}), 2, 5));  // no 5-set of 4 positions
    EXPECT_TRUE(coversAll(table(1, 3, {{2}}), 0, 1));        // 0 hits: any row serves
    EXPECT_FALSE(coversAll(table(1, 3, {}), 0, 1));
}

TEST(CoversAll, AgreesWithBruteForceOnRandomTables) {
    std::mt19937 rng(7);
    const struct {
        int k, n, g, c;
    } shapes[] = {{3, 7, 2, 2},  {4, 9, 3, 3},  {5, 10, 4, 5}, {5, 11, 3, 5}, {3, 9, 2, 5},
                  {4, 10, 2, 3}, {5, 12, 2, 4}, {4, 8, 3, 5},  {2, 6, 1, 2},  {5, 9, 3, 4}};
    for (const auto& s : shapes)
        for (int trial = 0; trial < 40; ++trial) {
            PositionTable t;
            t.rowLength = s.k;
            t.n = s.n;
            const int rows = 1 + static_cast<int>(rng() % 40);
            for (int i = 0; i < rows; ++i) {
                std::uint8_t r[8];
                colexUnrank(rng() % tableBinomial(s.n, s.k), s.k, s.n, r);
                for (int j = 0; j < s.k; ++j)
                    t.cells.push_back(static_cast<std::uint8_t>(r[j] + 1));
            }
            EXPECT_EQ(coversAll(t, s.g, s.c), bruteForce(t, s.g, s.c))
                << s.k << ' ' << s.n << ' ' << s.g << ' ' << s.c << " trial " << trial;
        }
}

#include "reduced/OrthogonalDevelopment.h"
#include "core/OrthogonalGuarantees.h"
#include "core/ProgramFolder.h"
#include "reduced/PositionTable.h"
#include "support/Columns.h"
#include "support/ShippedCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <functional>

using namespace varnelo;
using varnelo::test::col;

namespace {

std::vector<int> numbers(int count, int first = 1) {
    std::vector<int> out;
    for (int k = 0; k < count; ++k)
        out.push_back(first + k);
    return out;
}

// The covering verifier of the catalogue, over the positions of the numbers.
bool coveredAsATable(const std::vector<Column>& columns, const std::vector<int>& free, int g,
                     int c) {
    PositionTable t;
    t.rowLength = kColumnSize;
    t.n = static_cast<int>(free.size());
    for (const Column& column : columns)
        for (const auto x : column)
            t.cells.push_back(static_cast<std::uint8_t>(std::find(free.begin(), free.end(), x) -
                                                        free.begin() + 1));
    return coversAll(t, g, c);
}

} // namespace

// "Gar.1 con 2 Numeri": the walk accepts only columns sharing nothing, then
// the completion covers the pair left out.
TEST(OrthogonalDevelopment, NoOverlapThenCompletion) {
    Progress p;
    const OrthogonalRun run = developOrthogonal(test::shippedCatalogue(), {}, numbers(12), 9, p);
    ASSERT_GE(run.columns.size(), 2u);
    EXPECT_FALSE(run.stopped);
    if (!run.fromTable) {
        EXPECT_EQ(run.columns[0], col(1, 2, 3, 4, 5));
        EXPECT_EQ(run.columns[1], col(6, 7, 8, 9, 10));
    }
    EXPECT_TRUE(run.guaranteed);
    EXPECT_TRUE(coveredAsATable(run.columns, numbers(12), 1, 2));
}

// Every option over 15 and 22 numbers meets its guarantee, checked by the
// catalogue's own verifier; with a fixed number every column holds it.
TEST(OrthogonalDevelopment, EveryOptionKeepsItsGuarantee) {
    const int g[] = {0, 4, 3, 2, 3, 2, 1, 2, 1, 1};
    const int c[] = {0, 4, 3, 2, 4, 4, 4, 3, 3, 2};
    for (const int n : {15, 22})
        for (int option = 1; option <= 9; ++option) {
            Progress p;
            const std::vector<int> free = numbers(n, 2);
            OrthogonalRun run = developOrthogonal(test::shippedCatalogue(), {}, free, option, p);
            EXPECT_TRUE(run.guaranteed) << option << ' ' << n;
            EXPECT_TRUE(coveredAsATable(run.columns, free, g[option], c[option]))
                << option << ' ' << n;
            run = developOrthogonal(test::shippedCatalogue(), {40}, free, option, p);
            EXPECT_TRUE(run.guaranteed) << option << " fissa " << n;
            for (const Column& column : run.columns)
                EXPECT_NE(std::find(column.begin(), column.end(), 40), column.end()) << option;
        }
}

TEST(OrthogonalDevelopment, StopsAndRefusals) {
    Progress stopped;
    stopped.cancel = true;
    const OrthogonalRun run =
        developOrthogonal(test::shippedCatalogue(), {}, numbers(40), 5, stopped);
    EXPECT_TRUE(run.stopped || run.fromTable);
    EXPECT_FALSE(run.guaranteed && run.stopped);
    // The walk sees the stop at its first look and claims no guarantee.
    const OrthogonalRun walk = orthogonalWalk({}, numbers(30), 2, 2, stopped);
    EXPECT_TRUE(walk.stopped);
    EXPECT_FALSE(walk.guaranteed);
    Progress free;
    EXPECT_LT(walk.columns.size(), orthogonalWalk({}, numbers(30), 2, 2, free).columns.size());
    Progress p;
    EXPECT_EQ(developOrthogonal(test::shippedCatalogue(), {}, numbers(5), 5, p).code,
              "R0N00F0G00V00");
    EXPECT_TRUE(developOrthogonal(test::shippedCatalogue(), {}, numbers(4), 5, p).columns.empty());
    EXPECT_TRUE(developOrthogonal(test::shippedCatalogue(), {}, numbers(10), 0, p).columns.empty());
}

TEST(OrthogonalDevelopment, CodeAskedOfTheCatalogue) {
    const struct {
        int n, fixed, option;
        const char* code;
    } cases[] = {
        {12, 0, 4, "O5N12F0G34V01"},
        {12, 1, 7, "O5N12F1G23V01"},
        {6, 0, 9, "O5N06F0G12V01"},
        {5, 0, 1, "R0N00F0G00V00"},
        {4, 1, 1, "R0N00F0G00V00"},
        {5, 1, 1, "O5N05F1G44V01"},
        {12, 1, 6, "R0N00F0G00V00"},
        {12, 2, 7, "R0N00F0G00V00"},
        {12, 3, 2, "R0N00F0G00V00"},
        {12, 0, 0, ""},
        {12, 0, 10, ""},
    };
    for (const auto& k : cases)
        EXPECT_EQ(orthogonalDevelopmentCode(k.n, k.fixed, k.option), k.code)
            << k.n << '+' << k.fixed << " opzione " << k.option;
}

// The columns holding the fixed ones, as the five nested loops give them.
TEST(OrthogonalDevelopment, FullDevelopmentIsEveryColumnWithTheFixedOnes) {
    const std::vector<int> free = {3, 9, 12, 20, 33, 41, 45};
    EXPECT_EQ(fullDevelopment({}, free), test::integral(free));
    std::vector<Column> expected;
    test::forEachColumn({3, 9, 12, 20, 25, 33, 41, 45}, [&](const Column& c) {
        if (std::find(c.begin(), c.end(), 25) != c.end())
            expected.push_back(c);
    });
    EXPECT_EQ(fullDevelopment({25}, free), expected);
    EXPECT_EQ(fullDevelopment({1, 2, 3, 4}, {7, 8}),
              (std::vector<Column>{col(1, 2, 3, 4, 7), col(1, 2, 3, 4, 8)}));
    EXPECT_TRUE(fullDevelopment({}, {1, 2, 3, 4}).empty());
}

// Where no table makes sense the system is developed in full, and that
// trivially keeps the guarantee.
TEST(OrthogonalDevelopment, WithoutACodeEveryColumnIsKept) {
    const struct {
        std::vector<int> fixed, free;
        int option;
        std::size_t columns;
    } cases[] = {
        {{}, {4, 8, 15, 16, 23}, 1, 1},
        {{40}, numbers(8), 6, 70},
        {{40, 41}, numbers(10), 7, 120},
    };
    for (const auto& k : cases) {
        Progress p;
        const OrthogonalRun run =
            developOrthogonal(test::shippedCatalogue(), k.fixed, k.free, k.option, p);
        EXPECT_EQ(run.code, "R0N00F0G00V00") << k.option;
        EXPECT_TRUE(run.fullDevelopment) << k.option;
        EXPECT_FALSE(run.fromTable) << k.option;
        EXPECT_TRUE(run.guaranteed) << k.option;
        EXPECT_EQ(run.columns, fullDevelopment(k.fixed, k.free)) << k.option;
        EXPECT_EQ(run.columns.size(), k.columns) << k.option;
    }
}

namespace {

int sharedNumbers(const Column& a, const Column& b) {
    int n = 0;
    for (const auto x : a)
        n += std::find(b.begin(), b.end(), x) != b.end();
    return n;
}

// The walk and the completion done the plain way: every candidate compared
// with every accepted column, every set with every column.
std::vector<Column> plainWalk(const std::vector<int>& fixed, const std::vector<int>& free, int g,
                              int c) {
    std::vector<Column> accepted;
    for (const Column& candidate : fullDevelopment(fixed, free))
        if (std::none_of(accepted.begin(), accepted.end(),
                         [&](const Column& a) { return sharedNumbers(a, candidate) >= g; }))
            accepted.push_back(candidate);
    std::vector<int> all = fixed;
    all.insert(all.end(), free.begin(), free.end());
    const std::uint64_t fixedMask = [&] {
        std::uint64_t m = 0;
        for (const int x : fixed)
            m |= std::uint64_t{1} << x;
        return m;
    }();
    const int f = static_cast<int>(fixed.size());
    std::vector<std::vector<int>> sets;
    std::vector<int> pick;
    std::function<void(std::size_t)> choose = [&](std::size_t from) {
        if (static_cast<int>(pick.size()) == c - f) {
            std::vector<int> set = fixed;
            set.insert(set.end(), pick.begin(), pick.end());
            sets.push_back(set);
            return;
        }
        for (std::size_t i = from; i < free.size(); ++i) {
            pick.push_back(free[i]);
            choose(i + 1);
            pick.pop_back();
        }
    };
    choose(0);
    for (const auto& set : sets) {
        const auto meets = [&](const Column& a) {
            int n = 0;
            for (const int x : set)
                n += std::find(a.begin(), a.end(), x) != a.end();
            return n >= g;
        };
        if (std::any_of(accepted.begin(), accepted.end(), meets))
            continue;
        std::uint64_t column = fixedMask;
        for (const int x : set)
            column |= std::uint64_t{1} << x;
        for (const int x : all)
            if (std::popcount(column) < kColumnSize)
                column |= std::uint64_t{1} << x;
        Column out{};
        std::size_t k = 0;
        for (int x = 1; x <= kMaxNumber; ++x)
            if (column >> x & 1)
                out[k++] = static_cast<std::uint8_t>(x);
        accepted.push_back(out);
    }
    return accepted;
}

} // namespace

// The walk answers the overlap test from the subsets of the accepted
// columns: the same columns, in the same order, as comparing them all.
TEST(OrthogonalDevelopment, WalkMatchesThePlainComparison) {
    const std::vector<int> odd = {1, 3, 5, 8, 13, 21, 22, 30, 34, 38, 41, 44, 46, 49};
    for (const auto& o : kOrthogonalGuarantees)
        for (const std::vector<int>& fixed : {std::vector<int>{}, {17}, {17, 30}, {17, 30, 35}}) {
            const std::vector<int> free = fixed.empty() ? odd : numbers(13, 2);
            Progress p;
            const OrthogonalRun run = orthogonalWalk(fixed, free, o.points, o.drawn, p);
            EXPECT_EQ(run.columns, plainWalk(fixed, free, o.points, o.drawn))
                << o.entry << " fisse " << fixed.size();
            EXPECT_TRUE(run.guaranteed) << o.entry << " fisse " << fixed.size();
        }
}

TEST(OrthogonalDevelopment, GuaranteeCheckFindsTheSetLeftOut) {
    const std::vector<Column> two = {col(1, 2, 3, 4, 5), col(6, 7, 8, 9, 10)};
    const struct {
        std::vector<Column> columns;
        std::vector<int> fixed;
        int g, c;
        bool holds;
    } cases[] = {
        {two, {}, 1, 2, true},
        {{two[0]}, {}, 1, 2, false}, // {6, 7} meets nothing
        {two, {}, 2, 2, false},      // {1, 6}
        {two, {}, 1, 3, true},
        {two, {}, 2, 3, true},  // three of ten: two in one column
        {two, {}, 3, 4, false}, // {1, 2, 6, 7}
        {{col(1, 2, 3, 4, 5)}, {1, 2}, 2, 2, true},
        {{}, {}, 1, 2, false},
    };
    for (const auto& k : cases) {
        std::vector<int> free;
        for (const int n : numbers(10))
            if (std::find(k.fixed.begin(), k.fixed.end(), n) == k.fixed.end())
                free.push_back(n);
        EXPECT_EQ(orthogonalGuaranteeHolds(k.columns, k.fixed, free, k.g, k.c), k.holds)
            << k.columns.size() << ' ' << k.g << " se " << k.c;
    }
}

#include "columns/ColumnSets.h"
#include "core/SubsetIndex.h"
#include "support/Columns.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <string>

namespace varnelo {
namespace {

using test::col;

const Column x = col(1, 2, 3, 4, 5);
const Column y = col(10, 20, 30, 40, 49);
const Column z = col(6, 7, 8, 9, 11);
const Column w = col(1, 2, 3, 4, 6); // four numbers of x

struct SetCase {
    const char* name;
    std::vector<Column> a, b;
    SetOperation op;
    std::vector<Column> expected;
};

TEST(ColumnSets, OperationsKeepTheOrderOfTheFiles) {
    const std::vector<Column> self = {x, y, z};
    const SetCase cases[] = {
        {"or with itself", self, self, SetOperation::Or, self},
        {"and with itself", self, self, SetOperation::And, self},
        {"xor with itself", self, self, SetOperation::Xor, {}},
        {"sottrazione of itself", self, self, SetOperation::Subtraction, {}},
        {"or x y with y z", {x, y}, {y, z}, SetOperation::Or, {x, y, z}},
        {"or puts the new of A first", {z, x}, {x, y}, SetOperation::Or, {z, x, y}},
        {"and in the order of A", {z, y, x}, {x, y}, SetOperation::And, {y, x}},
        {"xor: A's then B's", {x, y}, {y, z, w}, SetOperation::Xor, {x, z, w}},
        {"sottrazione", {x, y, z}, {y}, SetOperation::Subtraction, {x, z}},
        {"somma keeps repeats", {x, y}, {y, x}, SetOperation::Sum, {x, y, y, x}},
        {"near columns are different", {x}, {w}, SetOperation::And, {}},
        {"empty B", {x, y}, {}, SetOperation::Or, {x, y}},
        {"empty A", {}, {x}, SetOperation::Xor, {x}},
        {"repeat inside A kept", {x, x}, {y}, SetOperation::Subtraction, {x, x}},
    };
    for (const SetCase& c : cases)
        EXPECT_EQ(combineColumns(c.a, c.b, c.op), c.expected) << c.name;
}

TEST(ColumnSets, RepeatsRemovedFirstOccurrenceFirst) {
    EXPECT_EQ(removeRepeatedColumns({y, x, y, z, x, x}), (std::vector<Column>{y, x, z}));
    EXPECT_TRUE(removeRepeatedColumns({}).empty());
    // The extreme columns of 49 numbers have the first and last rank.
    const Column first = col(1, 2, 3, 4, 5), last = col(45, 46, 47, 48, 49);
    EXPECT_EQ(removeRepeatedColumns({last, first, last, first}),
              (std::vector<Column>{last, first}));
}

TEST(ColumnSets, ShuffleIsAPermutationFixedBySeed) {
    std::vector<Column> all = test::integral({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    const auto once = shuffleColumns(all, 7);
    EXPECT_EQ(once, shuffleColumns(all, 7));
    EXPECT_NE(once, all);
    auto sorted = once;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, all);
}

// Every kept column of a join, compared with every other by brute force.
int mostShared(const std::vector<Column>& kept, std::size_t from) {
    int most = 0;
    for (std::size_t i = from; i < kept.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            most = std::max(most, std::popcount(columnMask(kept[i]) & columnMask(kept[j])));
    return most;
}

TEST(ColumnSets, JoinDropsWhatAKeptColumnAlreadyCovers) {
    struct Case {
        const char* name;
        JoinElimination e;
        std::vector<Column> expected;
        std::int64_t eliminated;
    };
    const Column shares2 = col(1, 2, 30, 31, 32);
    const Column shares3 = col(1, 2, 3, 33, 34);
    const std::vector<Column> a = {x};
    const std::vector<Column> b = {x, w, shares3, shares2, z};
    const Case cases[] = {
        {"no elimination", JoinElimination::None, {x, x, w, shares3, shares2, z}, 0},
        {"garanzia 5: exact repeats only",
         JoinElimination::Guarantee5,
         {x, w, shares3, shares2, z},
         1},
        {"garanzia 4", JoinElimination::Guarantee4, {x, shares3, shares2, z}, 2},
        {"garanzia 3", JoinElimination::Guarantee3, {x, shares2, z}, 3},
        {"garanzia 2", JoinElimination::Guarantee2, {x, z}, 4},
    };
    for (const Case& c : cases) {
        Progress p;
        const JoinResult r = joinColumns(a, b, c.e, p);
        EXPECT_EQ(r.columns, c.expected) << c.name;
        EXPECT_EQ(r.eliminated, c.eliminated) << c.name;
        EXPECT_FALSE(r.cancelled);
    }
}

TEST(ColumnSets, JoinComparesWithKeptColumnsOfTheSecondSystemToo) {
    // The first system's columns enter unchanged, even when close to each other.
    const std::vector<Column> a = {x, w};
    const std::vector<Column> b = test::integral({20, 21, 22, 23, 24, 25, 26});
    Progress p;
    const JoinResult r = joinColumns(a, b, JoinElimination::Guarantee2, p);
    EXPECT_EQ(r.columns[0], x);
    EXPECT_EQ(r.columns[1], w);
    EXPECT_LT(mostShared(r.columns, 2), 2);
    EXPECT_EQ(r.columns.size() + static_cast<std::size_t>(r.eliminated), a.size() + b.size());
    EXPECT_EQ(p.done.load(), static_cast<std::int64_t>(b.size()));
}

TEST(ColumnSets, JoinStopsOnCancel) {
    // More columns than one progress step, so that the cancel is seen.
    const std::vector<Column> b =
        test::integral({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});
    Progress p;
    p.cancel = true;
    const JoinResult r = joinColumns({}, b, JoinElimination::Guarantee5, p);
    EXPECT_TRUE(r.cancelled);
    EXPECT_LT(r.columns.size(), b.size());
}

TEST(ColumnSets, MeetingSplitsAByPointsAgainstB) {
    const Column shares2 = col(1, 2, 30, 31, 32);
    const std::vector<Column> a = {x, y, z, w, shares2};
    const std::vector<Column> b = {col(1, 2, 3, 40, 41)};
    struct Case {
        int points;
        std::vector<Column> meeting;
    };
    const Case cases[] = {{1, {x, y, w, shares2}}, {2, {x, w, shares2}}, {3, {x, w}}, {4, {}}};
    for (const Case& c : cases) {
        EXPECT_EQ(columnsMeeting(a, b, c.points, true), c.meeting) << c.points;
        auto rest = columnsMeeting(a, b, c.points, false);
        EXPECT_EQ(rest.size() + c.meeting.size(), a.size()) << c.points;
    }
    EXPECT_EQ(columnsMeeting(a, {x}, 5, true), (std::vector<Column>{x}));
}

TEST(ColumnSets, DifferingNeighboursComparesWithTheLastKeptColumn) {
    // w is one number away from x; v two from w but one from x.
    const Column v = col(1, 2, 3, 5, 7);
    const std::vector<Column> a = {x, w, v, y, w};
    struct Case {
        int difference;
        std::vector<Column> kept;
    };
    const Case cases[] = {
        {0, a},
        {1, a},
        {2, {x, y, w}}, // v follows the dropped w but is measured against x
        {5, {x, y, w}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(keepDifferingNeighbours(a, c.difference), c.kept) << c.difference;
    EXPECT_TRUE(keepDifferingNeighbours({}, 3).empty());
}

TEST(ColumnSets, CoverageTakesTheFirstColumnOfAForEachUnmetColumnOfB) {
    const Column a1 = col(1, 2, 40, 41, 42), a3 = col(6, 7, 8, 10, 20);
    const std::vector<Column> a = {z, a1, x, a3};
    const std::vector<Column> b = {col(1, 2, 3, 30, 31), col(2, 3, 4, 32, 33), y,
                                   col(44, 45, 46, 47, 48)};
    Progress p;
    // The second column of B meets a1 in one number only, so it takes x; the
    // last meets nothing of A.
    const Coverage two = coverColumns(a, b, 2, p);
    EXPECT_EQ(two.columns, (std::vector<Column>{a1, x, a3}));
    EXPECT_EQ(two.unmet, 1);
    const Coverage one = coverColumns(a, b, 1, p);
    EXPECT_EQ(one.columns, (std::vector<Column>{a1}));
    EXPECT_EQ(one.unmet, 1);
    const Coverage same = coverColumns(b, b, 5, p);
    EXPECT_EQ(same.columns, b);
    EXPECT_EQ(same.unmet, 0);
}

TEST(ColumnSets, SignReplacementKeepsColumnsAscendingOrRefuses) {
    std::vector<Column> c = {x, z, x, y};
    // Only positions 2..3: the first x stays, the second becomes 2 3 4 5 48.
    EXPECT_EQ(replaceNumber(c, 2, 3, 1, 48).replaced, 1);
    EXPECT_EQ(c, (std::vector<Column>{x, z, col(2, 3, 4, 5, 48), y}));
    const std::vector<Column> before = c;
    const SignReplacement clash = replaceNumber(c, 1, 4, 1, 5);
    EXPECT_EQ(clash.clashes, 1);
    EXPECT_EQ(clash.replaced, 0);
    EXPECT_EQ(c, before);
    EXPECT_EQ(replaceNumber(c, 3, 2, 1, 6).replaced, 0);
}

} // namespace
} // namespace varnelo

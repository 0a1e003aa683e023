#include "conditions/Levels.h"

#include <gtest/gtest.h>

using namespace varnelo;

namespace {

struct Counters {
    std::array<std::int32_t, kLevelCount + 1> n{};
    Counters& at(int level, int count) {
        n[static_cast<std::size_t>(level)] = count;
        return *this;
    }
};

LevelUse using_(std::initializer_list<int> levels) {
    LevelUse use{};
    for (int l : levels)
        use[static_cast<std::size_t>(l)] = 1;
    return use;
}

} // namespace

TEST(LevelLimitsTest, MinNeverAboveMax) {
    LevelLimits l;
    EXPECT_EQ(l.min(3), 0);
    EXPECT_EQ(l.max(3), kNoLevelLimit);
    l.setMax(3, 4);
    l.setMin(3, 6);
    EXPECT_EQ(l.min(3), 4);
    l.setMax(3, 2);
    EXPECT_EQ(l.min(3), 2);
    l.setMin(0, 5);  // level 0 is never set
    l.setMax(41, 5); // nor a level past VV
    EXPECT_EQ(l.min(0), 0);
}

TEST(LevelJudgeTest, LimitsOfSingleLevels) {
    LevelLimits l;
    l.setMax(1, 0); // A: Min 0, Max 0
    l.setMax(2, 5);
    l.setMin(2, 1); // B: at least one pass
    l.setMax(7, 0); // not in use: never tested
    const LevelJudge judge(l, using_({1, 2}));
    EXPECT_TRUE(judge.pass(Counters().at(2, 1).at(7, 3).n.data()));
    EXPECT_FALSE(judge.pass(Counters().at(1, 1).at(2, 1).n.data()));
    EXPECT_FALSE(judge.pass(Counters().n.data()));
    EXPECT_FALSE(judge.pass(Counters().at(2, 6).n.data()));
}

TEST(LevelJudgeTest, MixedGroupLimitsTheSum) {
    LevelLimits l;
    l.setInGroup(1, 1, true);
    l.setInGroup(2, 1, true);
    l.setGroupMax(1, 1);
    EXPECT_EQ(l.groupsInUse(), 1);
    const LevelJudge judge(l, using_({1, 2}));
    EXPECT_TRUE(judge.pass(Counters().at(1, 1).n.data()));
    EXPECT_FALSE(judge.pass(Counters().at(1, 1).at(2, 1).n.data()));
}

TEST(LevelUseTest, CountsActiveConditionsPerLevel) {
    ConditionSet set;
    set.setActive(111, true);
    set.setCell(111, 100, {CellStatus::Recovery, 3});
    set.setCell(111, 101, {CellStatus::Recovery, 3});
    set.setCell(111, 102, {CellStatus::Recovery, 0}); // no level: blue
    set.setActive(1, true);
    set.setCell(1, 2, {CellStatus::Recovery, 3});
    set.setCell(115, 9, {CellStatus::Recovery, 5}); // slot not active
    const LevelUse use = levelsInUse(set);
    EXPECT_EQ(use[3], 2);
    EXPECT_EQ(use[5], 0);
    EXPECT_EQ(use[0], 0);
}

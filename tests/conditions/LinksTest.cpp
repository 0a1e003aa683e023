#include "conditions/Links.h"
#include "conditions/LinkJudge.h"
#include "conditions/LinkStatistics.h"
#include "support/Columns.h"

#include <gtest/gtest.h>

using namespace varnelo;
using varnelo::test::col;

namespace {

ConditionSet activeSlots(std::initializer_list<int> slots) {
    ConditionSet set;
    for (int s : slots)
        set.setActive(s, true);
    return set;
}

} // namespace

TEST(RangePickers, KeepFromNotAboveTo) {
    RangePair r{2, 5};
    chooseFrom(r, 7);
    EXPECT_EQ(r, (RangePair{7, 7}));
    chooseTo(r, 3);
    EXPECT_EQ(r, (RangePair{3, 3}));
    chooseTo(r, 9);
    chooseFrom(r, 4);
    EXPECT_EQ(r, (RangePair{4, 9}));
}

TEST(LinkEditing, DeletingLinkTwoMovesLinkThreeDown) {
    const ConditionSet set = activeSlots({1, 2, 3, 111});
    Links links;
    links.table.setMembership(1, 1, 1);
    links.table.setMembership(2, 2, 1);
    links.table.setMembership(3, 3, 1);
    links.table.setMembership(3, 111, 1);
    links.table.range(3) = {1, 2};
    links.recompute();
    GroupEditSession<Links> session(links, set);
    session.erase(2, set);
    EXPECT_EQ(links.table.groupsInUse(), 2);
    EXPECT_TRUE(links.table.holds(2, 3));
    EXPECT_TRUE(links.table.holds(2, 111));
    EXPECT_EQ(links.table.range(2), (RangePair{1, 2}));
    EXPECT_FALSE(links.table.inUse(3));
    EXPECT_EQ(links.table.slotCount(3), 0);
    EXPECT_EQ(links.table.slots(2), (std::vector<int>{3, 111}));
    EXPECT_EQ(slotsInPlay(set), (std::vector<int>{1, 2, 3, 111}));
    EXPECT_TRUE(session.accept());
    EXPECT_EQ(links.table.slotIndex(111), 2);
    EXPECT_EQ(links.table.slotIndex(2), 0);
}

// The run visits links 1..N: OK leaves no gap, whichever way the editor made one.
TEST(LinkEditing, OkClosesAGapLeftByHand) {
    const ConditionSet set = activeSlots({1, 2, 3});
    Links links;
    links.table.setMembership(1, 1, 1);
    links.table.setMembership(2, 2, 1);
    links.table.range(2) = {0, 1};
    links.recompute();
    GroupEditSession<Links> session(links, set);
    links.table.setMembership(1, 1, 0); // link 1 emptied in the grid
    links.table.setMembership(4, 3, 1); // link 4 filled while 3 is empty
    EXPECT_TRUE(session.accept());
    EXPECT_EQ(links.table.groupsInUse(), 2);
    EXPECT_EQ(links.table.slots(1), (std::vector<int>{2}));
    EXPECT_EQ(links.table.range(1), (RangePair{0, 1}));
    EXPECT_EQ(links.table.slots(2), (std::vector<int>{3}));
    EXPECT_EQ(links.table.slotIndex(3), 2);
}

TEST(LinkEditing, ConditionOutOfPlayLeavesEveryLinkOnOpening) {
    Links links;
    links.table.setMembership(1, 5, 1);
    links.table.setMembership(2, 5, 1);
    links.table.setMembership(2, 6, 1);
    links.recompute();
    const ConditionSet set = activeSlots({6});
    GroupEditSession<Links> session(links, set);
    EXPECT_FALSE(links.table.holds(1, 5));
    EXPECT_FALSE(links.table.holds(2, 5));
    EXPECT_EQ(links.table.groupsInUse(), 1);
    EXPECT_TRUE(links.table.holds(1, 6)); // the former link 2, compacted
}

TEST(LinkEditing, SlotInTwoLinksGetsTheHighest) {
    Links links;
    links.table.setMembership(1, 7, 1);
    links.table.setMembership(3, 7, 1);
    links.recompute();
    EXPECT_EQ(links.table.slotIndex(7), 3);
    Quadri quadri;
    quadri.table.setMembership(4, 7, 1);
    quadri.recompute();
    EXPECT_EQ(quadri.table.slotIndex(7), 1); // quadri keep a flag
}

TEST(LinkEditing, AnnullaRestoresAndOkReportsChanges) {
    const ConditionSet set = activeSlots({1, 2});
    Links links;
    links.table.setMembership(1, 1, 1);
    links.table.range(1) = {0, 1};
    links.overallExcess = {0, 3};
    links.recompute();
    const Links before = links;
    {
        GroupEditSession<Links> session(links, set);
        links.table.setMembership(1, 2, 1);
        chooseTo(links.overallExcess, 2000);
        session.erase(1, set);
        session.cancel();
        EXPECT_EQ(links, before);
    }
    {
        GroupEditSession<Links> session(links, set);
        EXPECT_FALSE(session.accept());
    }
    {
        GroupEditSession<Links> session(links, set);
        links.table.setMembership(1, 2, 1);
        EXPECT_TRUE(session.accept());
        EXPECT_EQ(links.table.slotIndex(2), 1);
    }
}

TEST(LinkJudgeTest, RangesOfLinksAndQuadri) {
    Links links;
    links.table.setMembership(1, 10, 1);
    links.table.setMembership(1, 11, 1);
    links.table.setMembership(2, 11, 1);
    links.table.range(1) = {0, 1};
    links.table.range(2) = {0, 0};
    links.recompute();
    Quadri none;
    {
        const LinkJudge judge(links, none);
        LinkJudge::Work w;
        EXPECT_FALSE(judge.recordFailure(w, 12)); // in no link: rejects at once
        EXPECT_TRUE(judge.recordFailure(w, 11));  // one error in each link
        EXPECT_EQ(w.errors[1], 1);
        EXPECT_EQ(w.errors[2], 1);
        EXPECT_FALSE(judge.judge(w)); // link 2 wrong, excess 1 > 0
    }
    links.overallExcess = {0, 1};
    links.wrongLinks = {0, 1};
    {
        const LinkJudge judge(links, none);
        LinkJudge::Work w;
        judge.recordFailure(w, 11);
        EXPECT_TRUE(judge.judge(w));
        judge.recordFailure(w, 10); // link 1 now at 2: excess 2
        EXPECT_FALSE(judge.judge(w));
    }
    Quadri quadri;
    quadri.table.setMembership(1, 111, 1);
    quadri.table.setMembership(1, 115, 1);
    quadri.table.range(1) = {100, 150};
    quadri.recompute();
    {
        const LinkJudge judge(Links{}, quadri);
        LinkJudge::Work w;
        judge.recordPoints(w, 111, 120);
        judge.recordPoints(w, 115, 40);
        judge.recordPoints(w, 1, 3); // not in the quadro
        EXPECT_EQ(w.score[1], 160);
        EXPECT_FALSE(judge.judge(w));
    }
}

TEST(LinkJudgeTest, NoLinkInUseResetsTheOverallRanges) {
    Links links;
    links.overallExcess = {1, 5};
    links.wrongLinks = {2, 3};
    links.table.setSlotIndex(4, 2);
    links.prepareForRun();
    EXPECT_EQ(links.overallExcess, RangePair{});
    EXPECT_EQ(links.wrongLinks, RangePair{});
    EXPECT_EQ(links.table.slotIndex(4), 0);
}

TEST(LinkStatisticsTest, TalliesSatisfiedConditionsAndQuadroScores) {
    ConditionSet set = activeSlots({1, 111});
    set.setCell(1, 2, {CellStatus::Admitted, 0}); // Pari 2
    for (int v = 100; v <= 150; ++v)
        set.setCell(111, v, {CellStatus::Admitted, 0}); // Somma totale 100..150
    GroupTable table;
    table.setMembership(1, 1, 1);
    table.setMembership(1, 111, 1);
    const std::vector<Column> draws = {col(1, 2, 3, 4, 5),    // Pari 2, sum 15: one
                                       col(2, 4, 30, 31, 33), // Pari 3, sum 100: one
                                       col(2, 4, 31, 33, 35), // Pari 2, sum 105: two
                                       col(1, 3, 5, 7, 9)};   // none
    const GroupTally links = tallyLink(set, table, 1, draws);
    EXPECT_EQ(links.draws, 4);
    EXPECT_EQ(links.counts[0], 1);
    EXPECT_EQ(links.counts[1], 2);
    EXPECT_EQ(links.counts[2], 1);
    EXPECT_EQ(links.wrongConditions, 4);
    EXPECT_EQ(links.percentText(1), "50.00");

    const GroupTally quadri = tallyQuadro(set, table, 1, draws);
    EXPECT_EQ(quadri.counts[2], 1);   // 1 2 3 4 5: Pari 2 only
    EXPECT_EQ(quadri.counts[100], 1); // sum only
    EXPECT_EQ(quadri.counts[107], 1); // both
    EXPECT_EQ(quadri.counts[0], 1);
    EXPECT_EQ(quadri.wrongConditions, 4);
}

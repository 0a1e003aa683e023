#include "conditions/DelayConditions.h"
#include "FamilyTestSupport.h"
#include "conditions/DecimalCells.h"
#include "conditions/DelayStatistics.h"
#include "conditions/FamilySlotMetric.h"
#include "conditions/SlotStatistics.h"

#include <gtest/gtest.h>

using namespace varnelo;
using varnelo::test::col;

TEST(DelayTables, NumbersAndPairs) {
    const std::vector<Column> draws = {col(1, 2, 3, 4, 5), col(1, 6, 7, 8, 9),
                                       col(2, 6, 10, 11, 12), col(1, 13, 14, 15, 16)};
    DelayTables t;
    t.rebuild(draws);
    EXPECT_EQ(t.draws(), 4);
    EXPECT_EQ(t.delay(1), 0) << "the latest draw's numbers";
    EXPECT_EQ(t.pairDelay(13, 16), 0) << "and its pairs";
    EXPECT_EQ(t.delay(2), 1);
    EXPECT_EQ(t.delay(49), 4) << "never came: N";
    EXPECT_EQ(t.pairDelay(1, 2), 3);
    EXPECT_EQ(t.pairDelay(2, 1), 3);
    EXPECT_EQ(t.pairDelay(1, 49), 4) << "a pair that never came: N";
    EXPECT_EQ(t.maxDelay(13), 3);
    EXPECT_EQ(t.figure(NumberFigure::Out, 1), 30000);
    EXPECT_EQ(t.figure(NumberFigure::Frequency, 1), 13300); // 4 / 3 = 1.33
    EXPECT_EQ(t.figure(NumberFigure::Frequency, 49), 0);
    EXPECT_EQ(t.figure(NumberFigure::Cycle, 2), 5000);     // 1 / (4 / 2) = 0.5
    EXPECT_EQ(t.figure(NumberFigure::Percent, 6), 500000); // 50.00 %
}

TEST(DelayTables, OnlyTheNewest5000Draws) {
    std::vector<Column> draws(6000, col(1, 2, 3, 4, 5));
    draws[100] = col(45, 46, 47, 48, 49); // before the window
    DelayTables t;
    t.rebuild(draws);
    EXPECT_EQ(t.draws(), 5000);
    EXPECT_EQ(t.delay(49), 5000);
    EXPECT_EQ(t.pairDelay(48, 49), 5000);
    EXPECT_EQ(t.out(1), 5000);
}

TEST(DelayConditions, IntervalRows) {
    IntervalRow onlyRecovery;
    onlyRecovery.recovery = {10, 20};
    onlyRecovery.level = 4;
    EXPECT_EQ(judgeRow(onlyRecovery, 15), RowVerdict::Recovery);
    EXPECT_EQ(judgeRow(onlyRecovery, 21), RowVerdict::Fail);
    EXPECT_EQ(judgeRow(IntervalRow{}, 12345), RowVerdict::Pass) << "nothing in use";
    IntervalRow r;
    r.admitted[1] = {0, 5};
    r.admitted[2] = {30, 0}; // Max 0: not in use
    r.recovery = {3, 40};
    EXPECT_EQ(judgeRow(r, 0), RowVerdict::Pass);
    EXPECT_EQ(judgeRow(r, 5), RowVerdict::Pass);
    EXPECT_EQ(judgeRow(r, 30), RowVerdict::Recovery);
    EXPECT_EQ(judgeRow(r, 41), RowVerdict::Fail);
}

TEST(DelayConditions, AmboRowsAndRitardiVari) {
    const std::vector<Column> draws = {col(1, 2, 3, 4, 5), col(1, 6, 7, 8, 9),
                                       col(2, 6, 10, 11, 12), col(1, 13, 14, 15, 16)};
    DelayTables t;
    t.rebuild(draws);
    const Column c = col(1, 2, 6, 13, 49);
    // pairs: 1-2 3, 1-6 2, 1-13 0, 1-49 4, 2-6 1, 2-13 4, 2-49 4, 6-13 4, 6-49 4, 13-49 4
    EXPECT_EQ(amboValue(1, c, t), 3);
    EXPECT_EQ(amboValue(4, c, t), 4);
    EXPECT_EQ(amboValue(0, c, t), 30);
    DelayRows rows;
    rows.rows.resize(kAmboRows);
    rows.rows[0].admitted[0] = {30, 40}; // the total, 30, is the Min
    rows.rows[3].recovery = {0, 1};
    rows.rows[3].level = 2;
    DelayRowsTest ambo(rows, t, true);
    LevelCounters counters{};
    EXPECT_TRUE(ambo.pass(c, counters));
    EXPECT_EQ(counters[2], 1);
    EXPECT_FALSE(ambo.pass(col(1, 2, 6, 12, 49), counters)) << "1-12 delay 4 outside 0..1";

    // Ritardi Vari compares with four decimals: two-decimal bounds match the
    // sums of the stored two-decimal figures exactly.
    const Column d = col(1, 2, 6, 7, 12);
    const std::int64_t freq = ritardiVariValue(1, d, t); // 1.33 + 2 + 2 + 4 + 4
    EXPECT_EQ(freq, 133300);
    DelayRows rv;
    rv.rows.resize(kRitardiVariRows);
    rv.rows[1].admitted[0] = {*ritardiVariCellValue("13,33"), 2000000};
    DelayRowsTest vari(rv, t, false);
    EXPECT_TRUE(vari.pass(d, counters));
    rv.rows[1].admitted[0].min = *ritardiVariCellValue("13,34");
    EXPECT_FALSE(DelayRowsTest(rv, t, false).pass(d, counters));
}

TEST(DelayConditions, TypedCells) {
    EXPECT_EQ(ritardiVariCellValue("1,5"), 15000);
    EXPECT_EQ(ritardiVariCellValue("123456"), 999990000);
    EXPECT_EQ(ritardiVariCellValue("-2"), 0);
    EXPECT_EQ(amboCellValue("10000"), 9999);
    EXPECT_EQ(amboCellValue("x"), std::nullopt);
}

TEST(DelayConditions, AmbataBeyond210IsNotJudged) {
    std::array<int, kMaxNumber + 1> delays{};
    delays[1] = 100;
    delays[2] = 100;
    delays[3] = 10;
    MetricContext ctx;
    ctx.delays = &delays;
    const SequelePatterns none;
    EXPECT_EQ(familySlotValue(kAmbataSlot, col(1, 2, 3, 4, 5), ctx, none), 210);
    delays[4] = 1;
    EXPECT_EQ(familySlotValue(kAmbataSlot, col(1, 2, 3, 4, 5), ctx, none), -1);
}

TEST(DelayConditions, OkNoticesAndActivation) {
    DelayRows rows;
    rows.rows.resize(kRitardiVariRows);
    rows.rows[2].admitted[1] = {50, 40};
    const auto inverted = checkIntervalRows(rows);
    ASSERT_TRUE(inverted);
    EXPECT_EQ(inverted->title, "Il valore Max. e Minore del valore Min:");
    EXPECT_EQ(inverted->lines[0], "Nella colonna N° 3");
    rows.rows[2].admitted[1] = {40, 50};
    EXPECT_FALSE(checkIntervalRows(rows));
    rows.rows[4].recovery = {1, 2};
    const auto unleveled = unleveledRecovery(rows);
    ASSERT_TRUE(unleveled);
    EXPECT_EQ(unleveled->title, "inserito Recupero Senza Livello:");

    ConditionSet set;
    DelayRows edited = rows;
    TableEditor<DelayRows> editor(edited, set, kRitardiVariSlot);
    editor.setBox(true);
    EXPECT_TRUE(commitDelayRows(editor));
    EXPECT_TRUE(set.isActive(kRitardiVariSlot));
    edited.rows.assign(kRitardiVariRows, IntervalRow{});
    EXPECT_TRUE(commitDelayRows(editor));
    EXPECT_FALSE(set.isActive(kRitardiVariSlot)) << "no interval set";
}

TEST(DelayStatistics, ValuesBeforeEachDraw) {
    const std::vector<Column> draws = {col(1, 2, 3, 4, 5), col(1, 2, 7, 8, 9),
                                       col(1, 2, 10, 11, 12)};
    const auto latest = latestDrawFigures(draws);
    EXPECT_EQ(latest.ambo[1], 0) << "1-2 came in the draw before";
    EXPECT_EQ(latest.ambata[0], 0);
    EXPECT_EQ(latest.ambata[2], 2) << "10 had waited two draws";
    EXPECT_EQ(latest.ambataTotal, 6);
    const auto amb = slotStatistics(kAmbataSlot, draws, {}, SequelePatterns{});
    EXPECT_EQ(amb.draws(), 3);
    EXPECT_EQ(amb.out(0), 1); // the first draw, nothing before it
    EXPECT_EQ(amb.out(3), 1); // 0 + 0 + 1 + 1 + 1
    EXPECT_EQ(amb.out(6), 1);
    const auto pair = amboStatistics(draws, 1);
    EXPECT_EQ(pair.out(0), 3) << "with nothing before it the first draw waits 0";
    EXPECT_EQ(pair.delay(0), 0);
}

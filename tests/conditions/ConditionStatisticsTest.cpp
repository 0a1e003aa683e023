#include "conditions/ConditionStatistics.h"
#include "FamilyTestSupport.h"
#include "conditions/InsCondizione.h"
#include "conditions/SlotStatistics.h"

#include <gtest/gtest.h>

using namespace varnelo;
using varnelo::test::col;

namespace {

ValueStatistics walk(std::initializer_list<int> values, int min, int max) {
    ValueStatistics s(min, max);
    for (int v : values)
        s.add(v);
    return s;
}

} // namespace

TEST(ConditionStatistics, WalkEdges) {
    // 3 never comes; 4 only in the newest draw, after 5 draws.
    const auto s = walk({1, 2, 1, 1, 2, 4}, 0, 5);
    EXPECT_EQ(s.draws(), 6);
    EXPECT_EQ(s.out(3), 0);
    EXPECT_EQ(s.delay(3), 6);
    EXPECT_EQ(s.maxDelay(3), 0);
    EXPECT_DOUBLE_EQ(s.frequency(3), 0.0);
    EXPECT_DOUBLE_EQ(s.cycle(3), 0.0);
    EXPECT_EQ(s.delay(4), 0);
    EXPECT_EQ(s.maxDelay(4), 5);
    EXPECT_EQ(s.out(1), 3);
    EXPECT_EQ(s.delay(1), 2);
    EXPECT_EQ(s.maxDelay(1), 1);
    EXPECT_EQ(s.maxDelay(2), 2) << "the first wait counts from the first draw";

    const auto same = walk({2, 2, 2, 2}, 0, 5);
    EXPECT_EQ(same.out(2), 4);
    EXPECT_EQ(same.delay(2), 0);
    EXPECT_EQ(same.maxDelay(2), 0);
    EXPECT_DOUBLE_EQ(same.cycle(2), 1.0);
    EXPECT_DOUBLE_EQ(same.frequency(2), 100.0);

    // A value beyond the range is a draw with none of the values.
    const auto beyond = walk({7, 1}, 0, 5);
    EXPECT_EQ(beyond.draws(), 2);
    EXPECT_EQ(beyond.maxDelay(1), 1);
}

TEST(ConditionStatistics, PanelAndMean) {
    const auto s = walk({1, 2, 1, 1}, 0, 3);
    const std::vector<std::int64_t> system = {0, 30, 10, 0};
    const StatisticsPanel p = statisticsPanel(s, system, 40);
    ASSERT_EQ(p.rows.size(), 4u);
    EXPECT_DOUBLE_EQ(p.rows[1].systemShare, 75.0);
    EXPECT_DOUBLE_EQ(p.rows[2].systemColumns, 10.0);
    // Values 1 and 2 came out: Usciti 3 and 1, Ritardo 0 and 2.
    EXPECT_DOUBLE_EQ(p.mean.out, 2.0);
    EXPECT_DOUBLE_EQ(p.mean.delay, 1.0);
    EXPECT_DOUBLE_EQ(p.mean.systemColumns, 10.0);
    EXPECT_EQ(statisticsPanel(s, {}, 0).rows[1].systemShare, 0.0);
}

TEST(InsCondizione, RowsOfTheSystemByScore) {
    EXPECT_FALSE(insCondizioneRefusal(false, false, false));
    const auto n = insCondizioneRefusal(false, true, false);
    ASSERT_TRUE(n);
    EXPECT_EQ(n->title, "Sistema non Sviluppato");
    EXPECT_EQ(n->lines.size(), 4u);

    DistributionTable system;
    const std::vector<Column> columns = {col(2, 4, 6, 8, 10), col(2, 4, 6, 8, 11),
                                         col(1, 3, 5, 7, 10)};
    for (const Column& c : columns)
        system.tally(c, {});
    const std::vector<Column> draws = {col(1, 2, 3, 4, 5), col(2, 4, 6, 8, 10),
                                       col(1, 3, 20, 30, 45)};
    const auto rows = insCondizioneRows(draws, system, 3, {});
    ASSERT_FALSE(rows.empty());
    for (const InsRow& r : rows) {
        EXPECT_GT(r.systemColumns, 0);
        EXPECT_NE(r.code, 31);
    }
    for (std::size_t i = 1; i < rows.size(); ++i)
        EXPECT_GE(rows[i - 1].score, rows[i].score);
    // "Pari" 5 is in one system column of three and one draw of three: score 1.
    const auto pari5 = std::find_if(rows.begin(), rows.end(),
                                    [](const InsRow& r) { return r.code == 1 && r.value == 5; });
    ASSERT_NE(pari5, rows.end());
    EXPECT_DOUBLE_EQ(pari5->score, 1.0);
    EXPECT_EQ(pari5->delay, 1);
    // Code 14 follows the archive rule: the draw 2 4 6 8 10 counts no bridge
    // there, though every system column has 2 by the development's rule.
    const auto bridge2 = std::find_if(rows.begin(), rows.end(),
                                      [](const InsRow& r) { return r.code == 14 && r.value == 2; });
    ASSERT_NE(bridge2, rows.end());
    EXPECT_EQ(bridge2->systemColumns, 3);
    EXPECT_EQ(bridge2->out, 0);
    EXPECT_EQ(bridge2->delay, 3);
}

TEST(ConditionStatistics, EverySlotWalks) {
    const std::vector<Column> draws = {col(2, 4, 6, 8, 10), col(1, 2, 3, 4, 5),
                                       col(1, 3, 20, 30, 45), col(2, 4, 6, 8, 10)};
    const SequelePatterns any;
    // "Ponte Passo n" (slot 14) by the archive rule: 0, 0, 1, 0.
    const auto bridge = slotStatistics(14, draws, {}, any);
    EXPECT_EQ(bridge.out(0), 3);
    EXPECT_EQ(bridge.out(2), 0);
    EXPECT_EQ(bridge.delay(1), 1);
    // "Somma Ritardi" with the delays before each draw: 0 for the first; 3
    // for the second (2 and 4 came in the draw before, 1, 3 and 5 waited one).
    const auto delays = slotStatistics(114, draws, {}, any);
    EXPECT_EQ(delays.draws(), 4);
    EXPECT_EQ(delays.out(0), 1);
    EXPECT_EQ(delays.out(3), 1);
    // "Presenza Cifra N° 0": 2 4 6 8 10 writes one 0, 1 3 20 30 45 two.
    const auto zeros = slotStatistics(131, draws, {}, any);
    EXPECT_EQ(zeros.out(1), 2);
    EXPECT_EQ(zeros.out(2), 1);
    EXPECT_EQ(zeros.out(0), 1);
    // "Distanza estrema" with its own range.
    const auto extreme = slotStatistics(115, draws, {}, any);
    EXPECT_EQ(extreme.out(8), 2);
    EXPECT_EQ(extreme.maxValue(), 49);
}

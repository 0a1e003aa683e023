#include "stats/ComboGaps.h"
#include "stats/CycleFrequencies.h"
#include "stats/DrawShapes.h"
#include "stats/NumberTables.h"
#include "stats/PositionDelays.h"
#include "stats/SpyNumbers.h"
#include "support/Draws.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace varnelo;
using varnelo::test::drawOf;

namespace {

Draw drawWith(const Column& c, std::uint8_t first, std::uint8_t second) {
    Draw d = drawOf(c);
    d.numeroni = {first, second};
    return d;
}

// Six draws, oldest first; the figures below are counted by hand from them.
//   0: 01 02 03 04 05  Numeroni 1 2
//   1: 02 10 20 30 40           3 1
//   2: 01 03 11 22 49           1 2
//   3: 05 06 07 08 09           2 1
//   4: 01 02 03 30 40           4 4
//   5: 10 11 12 13 14           1 3
const std::vector<Draw>& archive() {
    static const std::vector<Draw> draws = {
        drawWith({1, 2, 3, 4, 5}, 1, 2),    drawWith({2, 10, 20, 30, 40}, 3, 1),
        drawWith({1, 3, 11, 22, 49}, 1, 2), drawWith({5, 6, 7, 8, 9}, 2, 1),
        drawWith({1, 2, 3, 30, 40}, 4, 4),  drawWith({10, 11, 12, 13, 14}, 1, 3)};
    return draws;
}

const ComboGaps& find(const std::vector<ComboGaps>& all, const std::vector<int>& values) {
    return *std::find_if(all.begin(), all.end(),
                         [&](const ComboGaps& c) { return c.values == values; });
}

} // namespace

TEST(PositionDelays, ByValueAndPosition) {
    const PositionDelays d = computePositionDelays(archive(), DrawPart::Numbers);
    ASSERT_EQ(d.byPosition.size(), 6u);
    const struct {
        std::size_t position;
        std::size_t value;
        Gaps gaps;
    } cases[] = {
        {0, 1, {3, 1, 1}},  // draws 0, 2, 4
        {0, 2, {3, 1, 2}},  // draws 0, 1, 4
        {0, 49, {1, 3, 2}}, // only draw 2: the run before it counts
        {0, 14, {1, 0, 5}}, // only the newest draw
        {0, 48, {0, 6, 0}}, // never: delay N
        {1, 2, {1, 4, 1}},  // smallest only in draw 1
        {2, 2, {2, 1, 3}},  // second in draws 0 and 4
        {2, 3, {1, 3, 2}},  // second only in draw 2
        {3, 3, {2, 1, 3}},  // third in draws 0 and 4
        {5, 40, {2, 1, 2}}, // largest in draws 1 and 4
        {5, 1, {0, 6, 0}},  // 1 is never the largest
    };
    for (const auto& c : cases)
        EXPECT_EQ(d.byPosition[c.position][c.value], c.gaps) << c.position << " " << c.value;
    EXPECT_DOUBLE_EQ(d.byPosition[0][1].meanInterval(6), 2.0);
    EXPECT_DOUBLE_EQ(d.byPosition[0][1].cycle(6), 0.5);

    const std::vector<StatTable> tables = positionDelayTables(d);
    ASSERT_EQ(tables.size(), 6u);
    EXPECT_EQ(tables[2].title, "2° estratto");
    const StatRow& row = tables[0].rows[48]; // 49
    ASSERT_EQ(row.size(), 6u);
    EXPECT_EQ(row[0].text, "49");
    EXPECT_EQ(row[2].text, "6,00");
    EXPECT_EQ(row[5].text, "0,50");
}

TEST(PositionDelays, NumeroniAsDrawn) {
    const PositionDelays d = computePositionDelays(archive(), DrawPart::Numeroni);
    ASSERT_EQ(d.byPosition.size(), 3u);
    EXPECT_EQ(d.byPosition[0].size(), 11u);
    EXPECT_EQ(d.byPosition[0][1], (Gaps{5, 0, 1}));
    EXPECT_EQ(d.byPosition[1][1], (Gaps{3, 0, 2}));
    EXPECT_EQ(d.byPosition[2][1], (Gaps{2, 2, 1}));
    // Drawn twice in draw 4: one appearance.
    EXPECT_EQ(d.byPosition[0][4], (Gaps{1, 1, 4}));
    EXPECT_EQ(d.byPosition[0][10], (Gaps{0, 6, 0}));
    EXPECT_EQ(positionDelayTables(d)[2].title, "2° Numerone");
}

TEST(PositionDelays, EmptySelection) {
    const PositionDelays d = computePositionDelays({}, DrawPart::Numbers);
    for (const auto& position : d.byPosition)
        for (const Gaps& g : position)
            EXPECT_EQ(g, Gaps{});
    EXPECT_EQ(positionDelayTables(d)[0].rows[0][5].text, "0,00");
}

TEST(ComboGaps, PairsTriplesAndNumeronePairs) {
    const std::vector<ComboGaps> pairs = computePairGaps(archive());
    ASSERT_EQ(pairs.size(), 1176u);
    EXPECT_EQ(pairs.front().values, (std::vector<int>{1, 2}));
    EXPECT_EQ(pairs.back().values, (std::vector<int>{48, 49}));
    EXPECT_EQ(pairs.front().gaps, (Gaps{2, 1, 3}));
    EXPECT_EQ(find(pairs, {1, 3}).gaps, (Gaps{3, 1, 1}));
    EXPECT_EQ(find(pairs, {30, 40}).gaps, (Gaps{2, 1, 2}));
    EXPECT_EQ(pairs.back().gaps, (Gaps{0, 6, 0}));

    const std::vector<ComboGaps> triples = computeTripleGaps(archive());
    ASSERT_EQ(triples.size(), 18424u);
    EXPECT_EQ(triples.back().values, (std::vector<int>{47, 48, 49}));
    EXPECT_EQ(triples.front().gaps, (Gaps{2, 1, 3}));
    EXPECT_EQ(find(triples, {10, 11, 12}).gaps, (Gaps{1, 0, 5}));
    EXPECT_EQ(find(triples, {1, 3, 49}).gaps, (Gaps{1, 3, 2}));
    std::int32_t outs = 0;
    for (const ComboGaps& t : triples)
        outs += t.gaps.outs;
    EXPECT_EQ(outs, 6 * 10); // ten triples in every draw

    const std::vector<ComboGaps> numeroni = computeNumeronePairGaps(archive());
    ASSERT_EQ(numeroni.size(), 45u);
    EXPECT_EQ(numeroni.back().values, (std::vector<int>{9, 10}));
    EXPECT_EQ(find(numeroni, {1, 2}).gaps, (Gaps{3, 2, 1}));
    EXPECT_EQ(find(numeroni, {1, 3}).gaps, (Gaps{2, 0, 3}));
    EXPECT_EQ(find(numeroni, {1, 4}).gaps.outs, 0); // 4 and 4 is no pair

    const StatTable t = comboTable("Tutti i Terni", "Terno", triples, 6);
    EXPECT_EQ(t.rows[0][0].text, "01-02-03");
    EXPECT_EQ(t.heads[0], "Terno");
}

TEST(CycleFrequencies, CountedBackFromTheNewestDraw) {
    const CycleFrequencies f = computeCycleFrequencies(archive(), 4, 10);
    ASSERT_EQ(f.cycles.size(), 2u);
    EXPECT_EQ(f.cycles[0].first, 0);
    EXPECT_EQ(f.cycles[0].count, 2); // the oldest cycle is the short one
    EXPECT_EQ(f.cycles[1].first, 2);
    EXPECT_EQ(f.cycles[1].count, 4);
    EXPECT_EQ(f.cycles[0].outs[2], 2);
    EXPECT_EQ(f.cycles[1].outs[1], 2);

    const StatTable t = cycleFrequencyTable(f, archive());
    ASSERT_EQ(t.heads.size(), 6u);
    EXPECT_EQ(t.heads[1], "01-01-2016");
    const struct {
        std::size_t number;
        std::vector<std::string> cells; // cycles, total, cycles with outs, cycles of delay
    } rows[] = {
        {1, {"1", "2", "3", "2", "0"}},
        {4, {"1", "0", "1", "1", "1"}},
        {14, {"0", "1", "1", "1", "0"}},
        {48, {"0", "0", "0", "0", "2"}},
    };
    for (const auto& r : rows)
        for (std::size_t c = 0; c < r.cells.size(); ++c)
            EXPECT_EQ(t.rows[r.number - 1][c + 1].text, r.cells[c]) << r.number << " " << c;

    const CycleFrequencies newest = computeCycleFrequencies(archive(), 4, 1);
    ASSERT_EQ(newest.cycles.size(), 1u);
    EXPECT_EQ(newest.cycles[0].first, 2);
    EXPECT_TRUE(computeCycleFrequencies({}, 4, 10).cycles.empty());
}

TEST(DrawShapes, ClassesOfTheDraws) {
    const struct {
        DrawShape shape;
        std::size_t klass;
        std::string label;
        std::int32_t draws;
        Gaps gaps;
    } cases[] = {
        {DrawShape::Evens, 2, "2", 2, {2, 2, 2}}, // draws 0 and 3
        {DrawShape::Evens, 3, "3", 2, {2, 0, 4}}, // draws 4 and 5
        {DrawShape::Evens, 0, "0", 0, {0, 6, 0}},
        {DrawShape::Low, 5, "5", 3, {3, 0, 2}},     // draws 0, 3, 5
        {DrawShape::Sum, 0, "15-39", 2, {2, 2, 2}}, // 15 and 35
        {DrawShape::Sum, 2, "65-89", 2, {2, 1, 2}}, // 86 and 76
        {DrawShape::Sum, 8, "215-235", 0, {0, 6, 0}},
        {DrawShape::Consecutive, 4, "4", 3, {3, 0, 2}},
        {DrawShape::Consecutive, 2, "2", 1, {1, 1, 4}},
        {DrawShape::Decades, 0, "1", 3, {3, 0, 2}}, // 01..05, 05..09, 10..14
        {DrawShape::Decades, 4, "5", 1, {1, 4, 1}},
        {DrawShape::Endings, 1, "2", 1, {1, 4, 1}}, // 2 and 0
        {DrawShape::Span, 0, "4-13", 3, {3, 0, 2}}, // draws 0, 3, 5
        {DrawShape::Span, 3, "34-43", 2, {2, 1, 2}},
        // The oldest draw has no previous one: four of the five counted draws repeat nothing.
        {DrawShape::Repeats, 0, "0", 4, {4, 0, 1}},
        {DrawShape::Repeats, 1, "1", 1, {1, 4, 0}},
    };
    for (const auto& c : cases) {
        const ShapeDistribution d = computeShapeDistribution(archive(), c.shape);
        ASSERT_LT(c.klass, d.classes.size());
        const ShapeClass& k = d.classes[c.klass];
        EXPECT_EQ(k.label, c.label) << d.title;
        EXPECT_EQ(k.draws, c.draws) << d.title << " " << c.label;
        EXPECT_EQ(k.gaps, c.gaps) << d.title << " " << c.label;
    }
    const ShapeDistribution repeats = computeShapeDistribution(archive(), DrawShape::Repeats);
    EXPECT_EQ(repeats.counted, 5);
    EXPECT_EQ(shapeTable(repeats).rows[0][2].text, "80,00");
    EXPECT_EQ(computeShapeDistribution(archive(), DrawShape::Sum).classes.size(), 9u);
}

TEST(SpyNumbers, WhatFollowsADraw) {
    const SpyNumbers s = computeSpyNumbers(archive(), 1);
    EXPECT_EQ(s.occasions, 3); // draws 0, 2, 4
    EXPECT_EQ(s.followers[10], 2);
    EXPECT_EQ(s.followers[5], 1);
    EXPECT_EQ(s.followers[1], 0);
    const StatTable t = spyTable(s);
    ASSERT_EQ(t.rows.size(), 49u);
    EXPECT_EQ(t.rows[0][0].text, "10");
    EXPECT_EQ(t.rows[0][2].text, "66,67");
    EXPECT_EQ(t.rows[0][3].text, "33,33");
    EXPECT_EQ(t.rows[0][4].text, "33,33");
    // Out only in the newest draw: nothing follows it yet.
    const SpyNumbers newest = computeSpyNumbers(archive(), 14);
    EXPECT_EQ(newest.occasions, 0);
    EXPECT_EQ(spyTable(newest).rows[0][2].text, "0,00");
}

TEST(NumberTables, FrequencyAndMostDelayed) {
    const PositionDelays d = computePositionDelays(archive(), DrawPart::Numbers);
    const StatTable f = frequencyTable(d);
    EXPECT_EQ(f.rows[0][1].text, "3");
    EXPECT_EQ(f.rows[0][2].text, "50,00");
    EXPECT_EQ(f.rows[0][3].text, "0,61"); // 6 × 5 / 49
    EXPECT_EQ(f.rows[0][4].text, "2,39");

    // Thirty numbers never came out (delay 6), then by delay, ties by the
    // higher Ciclo (5 before 6..9), then by number.
    const std::vector<int> order = mostDelayedNumbers(d, 49);
    ASSERT_EQ(order.size(), 49u);
    EXPECT_EQ(order[0], 15);
    const std::vector<int> tail(order.begin() + 30, order.end());
    EXPECT_EQ(tail, (std::vector<int>{4, 20, 22, 49, 5, 6, 7, 8, 9, 1, 2, 3, 30, 40, 10, 11, 12, 13,
                                      14}));
    EXPECT_EQ(mostDelayedNumbers(d, 3).size(), 3u);
    EXPECT_EQ(mostDelayedTable(d, {4}).rows[0][3].text, "5");

    const PositionDelays numeroni = computePositionDelays(archive(), DrawPart::Numeroni);
    EXPECT_EQ(frequencyTable(numeroni).rows[0][3].text, "1,20"); // 6 × 2 / 10
}

TEST(StatTable, TextExportAlignsColumns) {
    const StatTable t{"Prova",
                      {"Val", "Usciti"},
                      {{StatCell::label("01-02"), StatCell::integer(7)},
                       {StatCell::label("3"), StatCell::decimal(12.345)}}};
    EXPECT_EQ(tablesText("Titolo", {t}), "Titolo\r\n\r\nProva\r\n"
                                         "Val    Usciti\r\n"
                                         "01-02       7\r\n"
                                         "3       12,35\r\n");
    EXPECT_DOUBLE_EQ(StatCell::decimal(12.345).value, 12.35);
}

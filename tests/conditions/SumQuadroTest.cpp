#include "conditions/SumQuadro.h"
#include "FamilyTestSupport.h"
#include "conditions/DecimalCells.h"
#include "conditions/Picchetto.h"

#include <gtest/gtest.h>

using namespace varnelo;
using varnelo::test::col;

namespace {

SumRow rowOf(std::initializer_list<int> numbers, int kind = 0) {
    SumRow r;
    r.kind = static_cast<std::uint8_t>(kind);
    for (int n : numbers)
        r.setNumber(n, true);
    return r;
}

bool passes(const SumQuadro& q, const PicchettoTable& p, const Column& c,
            LevelCounters* seen = nullptr) {
    LevelCounters counters{};
    const bool ok = SumQuadroTest(q, p).pass(c, counters);
    if (seen)
        *seen = counters;
    return ok;
}

} // namespace

TEST(SumQuadro, RowTestEdges) {
    const PicchettoTable none;
    SumQuadro q;
    EXPECT_TRUE(passes(q, none, col(1, 2, 3, 4, 5))) << "N = 0";

    // "Somma" bounds typed as 100 and 150 are compared × 100, both inclusive.
    SumRow all = rowOf({});
    for (int n = 1; n <= 49; ++n)
        all.setNumber(n, true);
    all.slots[0].admitted = {10000, 15000};
    q.rows = {all};
    EXPECT_TRUE(passes(q, none, col(1, 10, 20, 30, 40))) << "sum 101";
    EXPECT_TRUE(passes(q, none, col(10, 20, 21, 24, 25))) << "sum 100 = Min";
    EXPECT_TRUE(passes(q, none, col(20, 25, 30, 35, 40))) << "sum 150 = Max";
    EXPECT_FALSE(passes(q, none, col(20, 25, 30, 35, 41)));
    EXPECT_FALSE(passes(q, none, col(1, 2, 3, 4, 5)));

    // A column none of whose numbers is in the set sums to 0: it passes only
    // through a slot with Min 0 and Max above 0.
    SumRow some = rowOf({40, 41});
    some.slots[1].admitted = {500, 0}; // Max 0: ignored even with Min set
    q.rows = {some};
    EXPECT_TRUE(passes(q, none, col(1, 2, 3, 4, 5))) << "a row with nothing in use judges nothing";
    some.slots[2].admitted = {100, 200};
    q.rows = {some};
    EXPECT_FALSE(passes(q, none, col(1, 2, 3, 4, 5)));
    some.slots[3].admitted = {0, 1};
    q.rows = {some};
    EXPECT_TRUE(passes(q, none, col(1, 2, 3, 4, 5)));
}

TEST(SumQuadro, RecoveryChargesOncePerRow) {
    PicchettoTable p;
    for (int n = 1; n <= 49; ++n)
        p.setValue(3, n, n * 10);   // 0.10 per unit
    SumRow a = rowOf({1, 2, 3}, 3); // picchetto 3
    a.slots[0].admitted = {1000, 2000};
    a.slots[4].recovery = {1, 999};
    a.slots[4].level = 7;
    SumRow b = rowOf({4, 5});
    b.slots[0].admitted = {100000, 200000};
    b.slots[1].recovery = {100, 1000};
    b.slots[1].level = 7;
    SumQuadro q{{a, b}};
    LevelCounters seen{};
    // Row a: 60 (1+2+3 at 10 each) is only in the recovery interval; row b: 900.
    ASSERT_TRUE(passes(q, p, col(1, 2, 3, 4, 5), &seen));
    EXPECT_EQ(seen[7], 2);
    EXPECT_EQ(rowSum(a, p, col(1, 2, 3, 4, 5)), 60);
    EXPECT_EQ(rowSum(b, p, col(1, 2, 3, 4, 5)), 900);
    EXPECT_FALSE(passes(q, p, col(1, 2, 3, 40, 45)));
}

TEST(SumQuadro, OkChecksAndActivation) {
    ConditionSet set;
    SumQuadro q;
    TableEditor<SumQuadro> editor(q, set, kSumQuadroSlot);
    SumRow r = rowOf({1, 2});
    r.slots[0].recovery = {300, 200};
    q.rows = {r};
    const auto err = checkSumIntervals(q);
    ASSERT_TRUE(err);
    EXPECT_EQ(err->title, "Errore:");
    EXPECT_EQ(err->lines.back(), "il valore Minimo e superiore a quello Massimo");

    q.rows[0].slots[0].recovery = {200, 300};
    q.rows[0].slots[2] = OrSlot{{0, 0}, {0, 0}, 9}; // all four below 1: level goes too
    EXPECT_FALSE(checkSumIntervals(q));
    editor.setBox(true);
    EXPECT_TRUE(commitSumQuadro(editor));
    EXPECT_TRUE(set.isActive(kSumQuadroSlot));
    EXPECT_EQ(q.rows[0].slots[2].level, 0);

    // "Annulla" brings back the quadro as last confirmed.
    q.rows.clear();
    editor.cancel();
    EXPECT_EQ(q.rows.size(), 1u);

    // Row 1 without any value: the slot goes off whatever the box says.
    q.rows[0].slots = {};
    EXPECT_TRUE(commitSumQuadro(editor));
    EXPECT_FALSE(set.isActive(kSumQuadroSlot));

    SumQuadro empty;
    const auto save = checkSumQuadroToSave(empty);
    ASSERT_TRUE(save);
    EXPECT_EQ(save->title, "Colonne filtro mancante:");
}

TEST(SumQuadro, FileRoundTripAndDamage) {
    SumRow a = rowOf({1, 7, 49, 50}, 4);
    a.slots[0] = OrSlot{{150, 9999}, {1, 100}, 21};
    a.slots[4] = OrSlot{{-5, 3}, {0, 0}, 0};
    SumRow b = rowOf({});
    b.slots[2].admitted = {0, 1};
    const SumQuadro q{{a, b}};
    const std::string text = formatSumQuadroFile(q, true);
    EXPECT_EQ(text.substr(0, 5), "2 1\r\n");
    SumQuadro back;
    bool active = false;
    std::string error;
    ASSERT_TRUE(parseSumQuadroFile(text, back, active, error)) << error;
    EXPECT_EQ(back, q);
    EXPECT_TRUE(active);

    // LF ends and any run of blanks read the same.
    std::string lf = text;
    std::erase(lf, '\r');
    ASSERT_TRUE(parseSumQuadroFile(lf, back, active, error));
    EXPECT_EQ(back, q);

    const std::string bad[] = {
        text.substr(0, text.size() / 2), // truncated
        "",                              // empty
        "51 1",                          // too many rows
        "1 1 x",                         // not a number
        std::string("1 1\0\0\0", 7),     // binary
    };
    for (const auto& t : bad) {
        SumQuadro keep = q;
        bool keepActive = false;
        EXPECT_FALSE(parseSumQuadroFile(t, keep, keepActive, error));
        EXPECT_EQ(keep, q);
        EXPECT_FALSE(keepActive);
        EXPECT_FALSE(error.empty());
    }
}

TEST(Picchetto, FileReadingAndLabel) {
    PicchettoTable t;
    t.setValue(1, 1, 250);
    t.setValue(10, 50, -7);
    t.setValue(2, 49, 123456);
    PicchettoTable back;
    std::string error;
    const std::string text = formatPicchettoFile(t);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 50);
    ASSERT_TRUE(parsePicchettoFile(text, back, error));
    EXPECT_EQ(back, t);

    // A short file leaves the values it does not reach as they were.
    PicchettoTable partial;
    partial.setValue(3, 5, 99);
    ASSERT_TRUE(parsePicchettoFile("1 2 3", partial, error));
    EXPECT_EQ(partial.value(1, 3), 3);
    EXPECT_EQ(partial.value(3, 5), 99);
    // Garbage changes nothing.
    EXPECT_FALSE(parsePicchettoFile("1 2 x 4", partial, error));
    EXPECT_EQ(partial.value(1, 1), 1);
    EXPECT_EQ(partial.value(1, 3), 3);

    std::array<bool, 51> chosen{};
    for (int n : {3, 9, 12, 20, 33, 40, 41})
        chosen[static_cast<std::size_t>(n)] = true;
    // "Somma": the other numbers count 0, so the five smallest are zeros.
    EXPECT_EQ(admittedSumRange(0, t, chosen), (std::pair<std::int64_t, std::int64_t>{0, 14600}));
    EXPECT_EQ(admittedSumLabel(0, t, chosen), " Somma Ammessa:    Min = 0,00    Max = 146,00");
}

TEST(Picchetto, GenerationFromTheArchive) {
    // Draws oldest first; 49 never comes out.
    const std::vector<Column> draws = {col(1, 2, 3, 4, 5), col(1, 6, 7, 8, 9),
                                       col(2, 6, 10, 11, 12), col(1, 13, 14, 15, 16)};
    const auto out = generatePicchetto(draws, PicchettoSource::Out);
    EXPECT_EQ(out[1], 300);
    EXPECT_EQ(out[49], 0);
    const auto freq = generatePicchetto(draws, PicchettoSource::Frequency);
    EXPECT_EQ(freq[1], 133); // 4 / 3 = 1.333 truncated
    EXPECT_EQ(freq[2], 200);
    EXPECT_EQ(freq[49], 0);
    const auto delay = generatePicchetto(draws, PicchettoSource::Delay);
    EXPECT_EQ(delay[1], 0);
    EXPECT_EQ(delay[2], 100);
    EXPECT_EQ(delay[49], 400) << "never drawn: every draw";
    const auto maxDelay = generatePicchetto(draws, PicchettoSource::MaxDelay);
    EXPECT_EQ(maxDelay[1], 100);
    EXPECT_EQ(maxDelay[6], 100);
    EXPECT_EQ(maxDelay[13], 300);
    const auto cycle = generatePicchetto(draws, PicchettoSource::Cycle);
    EXPECT_EQ(cycle[2], 50); // 1 / (4 / 2)
}

TEST(DecimalCells, TypedValues) {
    struct Case {
        const char* text;
        int decimals;
        long long cap;
        std::optional<std::int64_t> expect;
    };
    const Case cases[] = {
        {"12", 2, 9999, 1200},          {"12,5", 2, 9999, 1250},
        {"12.345", 2, 9999, 1234},      {"10000", 2, 9999, 999900},
        {"9999,5", 2, 9999, 999950},    {"-3", 2, 9999, 0},
        {"", 2, 9999, std::nullopt},    {"1,2,3", 2, 9999, std::nullopt},
        {"abc", 2, 9999, std::nullopt}, {"99999999999999999999", 0, 9999, 9999},
        {"7", 4, 99999, 70000},
    };
    for (const auto& k : cases)
        EXPECT_EQ(parseScaledCell(k.text, k.decimals, k.cap), k.expect) << k.text;
    EXPECT_EQ(scaledText(12345, 2), "123,45");
    EXPECT_EQ(scaledText(5, 2), "0,05");
    EXPECT_EQ(scaledText(-250, 2), "-2,50");
    EXPECT_EQ(scaledText(123456, 4), "12,35");
}

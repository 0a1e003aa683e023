#include "EngineFixture.h"

#include <random>

using namespace varnelo;
using namespace varnelo::test;

namespace {

// Slots the shape units value, with the positions and distances that prune early.
const std::vector<int>& shapeSlots() {
    static const std::vector<int> slots = [] {
        std::vector<int> s;
        for (int slot = 1; slot <= kSlotCount; ++slot)
            if (isShapeSlot(slot))
                s.push_back(slot);
        return s;
    }();
    return slots;
}

// Mostly admitted values, some refused, some on recovery in levels A..C
// (and a few red cells without a level, which count as blue).
void randomConditions(ProgramState& s, std::mt19937& rng, int slots, bool withRecovery) {
    std::uniform_int_distribution<std::size_t> pick(0, shapeSlots().size() - 1);
    std::uniform_int_distribution<int> roll(0, 99);
    for (int k = 0; k < slots; ++k) {
        const int slot = shapeSlots()[pick(rng)];
        s.conditions.setActive(slot, true);
        const ValueRange r = slotValueRange(slot);
        for (int v = r.min; v <= r.max; ++v) {
            const int x = roll(rng);
            if (x < 8)
                continue;
            if (withRecovery && x < 20)
                s.conditions.setCell(slot, v, {CellStatus::Recovery, std::uint8_t(x % 4)});
            else
                s.conditions.setCell(slot, v, {CellStatus::Admitted, 0});
        }
    }
}

std::vector<int> activeSlots(const ProgramState& s) {
    std::vector<int> out;
    for (int slot = 1; slot <= kSlotCount; ++slot)
        if (s.conditions.isActive(slot))
            out.push_back(slot);
    return out;
}

void randomLinksAndQuadri(ProgramState& s, std::mt19937& rng) {
    const std::vector<int> active = activeSlots(s);
    std::uniform_int_distribution<int> small(0, 2);
    std::uniform_int_distribution<std::size_t> which(0, active.size() - 1);
    const int links = small(rng) + 1;
    for (int l = 1; l <= links; ++l) {
        for (int k = 0; k < 3; ++k)
            s.links.table.setMembership(l, active[which(rng)], 1);
        s.links.table.range(l) = {small(rng) == 0 ? 1 : 0, small(rng)};
    }
    s.links.overallExcess = {0, small(rng)};
    s.links.wrongLinks = {0, small(rng)};
    s.links.recompute();
    if (small(rng) == 0) {
        s.quadri.table.setMembership(1, active[which(rng)], 1);
        s.quadri.table.setMembership(1, active[which(rng)], 1);
        s.quadri.table.range(1) = {10, 80};
        s.quadri.wrongQuadri = {0, small(rng) == 0 ? 1 : 0};
        s.quadri.recompute();
    }
}

void randomLevels(ProgramState& s, std::mt19937& rng) {
    std::uniform_int_distribution<int> small(0, 2);
    for (int level = 1; level <= 3; ++level) {
        s.levels.setMax(level, small(rng) + 1);
        s.levels.setMin(level, small(rng) == 0 ? 1 : 0);
    }
    if (small(rng) == 0) {
        s.levels.setInGroup(1, 1, true);
        s.levels.setInGroup(2, 1, true);
        s.levels.setGroupMax(1, 2);
    }
}

} // namespace

// The compiled tables, the incremental state and the early pruning give the
// plain evaluation's result, over many random condition sets.
TEST(ConditionPipeline, MatchesThePlainEvaluation) {
    std::mt19937 rng(20261210);
    std::array<int, kMaxNumber + 1> rank{}, delays{};
    std::array<int, 52> comparison{};
    for (int n = 1; n <= kMaxNumber; ++n) {
        rank[n] = (n * 7) % 13;
        delays[n] = (n * 31) % 60;
        comparison[n] = n % 5 == 0;
    }
    const MetricContext contexts[] = {{}, {&rank, &comparison, &delays}};
    for (int trial = 0; trial < 60; ++trial) {
        Engine e;
        const std::vector<int> numbers = randomNumbers(rng, 14 + trial % 6);
        e.choose(numbers);
        const int style = trial % 4; // plain, recovery, links and quadri, everything
        randomConditions(*e.state, rng, 2 + trial % 7, style == 1 || style == 3);
        if (style >= 2)
            randomLinksAndQuadri(*e.state, rng);
        if (style == 1 || style == 3)
            randomLevels(*e.state, rng);
        e.options.context = contexts[trial % 2];

        const std::vector<Column> expected =
            reference(*e.state, integral(numbers), e.options.context);
        for (int threads : {1, 2 + trial % 2}) {
            e.options.threads = threads;
            const RunResult r = e.develop();
            ASSERT_EQ(e.columns(), expected) << "prova " << trial << ", " << threads;
            EXPECT_EQ(r.conditioned, static_cast<std::int32_t>(expected.size()));
            EXPECT_EQ(r.examined, static_cast<std::int64_t>(integral(numbers).size()));
        }

        std::vector<Column> shuffled = integral(numbers);
        std::shuffle(shuffled.begin(), shuffled.end(), rng);
        e.develop(shuffled);
        ASSERT_EQ(e.columns(), reference(*e.state, shuffled, e.options.context))
            << "prova " << trial;
    }
}

TEST(ConditionPipeline, FixedNumbersWithPruningConditions) {
    Engine e;
    e.choose({2, 5, 8, 11, 17, 23, 24, 30, 38, 41, 45, 49});
    e.state->selection.setState(23, Selection::Fixed);
    e.state->selection.setState(41, Selection::Fixed);
    ProgramState& s = *e.state;
    s.conditions.setActive(119, true); // 1° Casella 2..11
    for (int v = 2; v <= 11; ++v)
        s.conditions.setCell(119, v, {CellStatus::Admitted, 0});
    s.conditions.setActive(147, true); // dal N° 1 al N° 4 at least 20
    for (int v = 20; v <= 49; ++v)
        s.conditions.setCell(147, v, {CellStatus::Admitted, 0});
    std::vector<Column> candidates;
    for (const Column& c : integral({2, 5, 8, 11, 17, 23, 24, 30, 38, 41, 45, 49}))
        if (std::count(c.begin(), c.end(), 23) && std::count(c.begin(), c.end(), 41))
            candidates.push_back(c);
    for (int threads : {1, 2}) {
        e.options.threads = threads;
        const RunResult r = e.develop();
        EXPECT_EQ(e.columns(), reference(s, candidates, {})) << threads;
        EXPECT_EQ(r.examined, static_cast<std::int64_t>(candidates.size())) << threads;
    }
}

TEST(ConditionPipeline, ActiveConditionWithoutAdmittedValueRejectsEverything) {
    Engine e;
    e.choose({1, 2, 3, 4, 5, 6, 7});
    e.state->conditions.setActive(111, true);
    EXPECT_EQ(e.develop().conditioned, 0);
}

namespace {

// "Somma totale" and "Distanza minima" in one link; the column 1 2 3 4 5
// breaks both (sum 15, smallest gap 1), 1 2 4 6 8 only the gap, 2 4 6 8 10 none.
void linkedPair(Engine& e, RangePair linkRange, RangePair excess, RangePair wrong) {
    ProgramState& s = *e.state;
    s.conditions.setActive(111, true);
    for (int v = 20; v <= 254; ++v)
        s.conditions.setCell(111, v, {CellStatus::Admitted, 0});
    s.conditions.setActive(116, true);
    for (int v = 2; v <= 49; ++v)
        s.conditions.setCell(116, v, {CellStatus::Admitted, 0});
    s.links.table.setMembership(1, 111, 1);
    s.links.table.setMembership(1, 116, 1);
    s.links.table.range(1) = linkRange;
    s.links.overallExcess = excess;
    s.links.wrongLinks = wrong;
    s.links.recompute();
}

const std::vector<Column> kThree = {col(1, 2, 3, 4, 5), col(1, 2, 4, 6, 8), col(2, 4, 6, 8, 10)};

} // namespace

TEST(ConditionPipeline, LinkAdmitsOneBrokenConditionAndNotTwo) {
    Engine e;
    linkedPair(e, {0, 1}, {0, 0}, {0, 0});
    e.develop(kThree);
    EXPECT_EQ(e.columns(), (std::vector<Column>{col(1, 2, 4, 6, 8), col(2, 4, 6, 8, 10)}));
}

TEST(ConditionPipeline, LinkWithoutErrorsBehavesLikeNoLink) {
    Engine e;
    linkedPair(e, {0, 0}, {0, 0}, {0, 0});
    e.develop(kThree);
    EXPECT_EQ(e.columns(), std::vector<Column>{col(2, 4, 6, 8, 10)});
}

TEST(ConditionPipeline, CompulsoryErrorsBreakAPerfectColumn) {
    Engine e;
    linkedPair(e, {1, 2}, {0, 0}, {0, 0});
    e.develop(kThree);
    EXPECT_EQ(e.columns(), (std::vector<Column>{col(1, 2, 3, 4, 5), col(1, 2, 4, 6, 8)}));
}

TEST(ConditionPipeline, ConditionOutsideEveryLinkStillRejects) {
    Engine e;
    linkedPair(e, {0, 2}, {0, 0}, {0, 0});
    ProgramState& s = *e.state;
    s.conditions.setActive(1, true); // Pari: five even numbers refused, outside the link
    for (int v = 0; v <= 4; ++v)
        s.conditions.setCell(1, v, {CellStatus::Admitted, 0});
    e.develop(kThree);
    EXPECT_EQ(e.columns(), (std::vector<Column>{col(1, 2, 3, 4, 5), col(1, 2, 4, 6, 8)}));
}

TEST(ConditionPipeline, RecoveryPassesAreJudgedByTheirLevel) {
    Engine e;
    ProgramState& s = *e.state;
    // Pari: 2 and 3 admitted, 1 on recovery in A, 4 on recovery in B.
    s.conditions.setActive(1, true);
    s.conditions.setCell(1, 2, {CellStatus::Admitted, 0});
    s.conditions.setCell(1, 3, {CellStatus::Admitted, 0});
    s.conditions.setCell(1, 1, {CellStatus::Recovery, 1});
    s.conditions.setCell(1, 4, {CellStatus::Recovery, 2});
    const std::vector<Column> rows = {col(1, 3, 5, 7, 8), col(1, 2, 3, 4, 5), col(2, 4, 6, 8, 9),
                                      col(2, 4, 6, 8, 10)};
    e.develop(rows);
    EXPECT_EQ(e.columns().size(), 3u); // no limit set: recovery passes are admitted

    s.levels.setMax(1, 0); // A: Min 0, Max 0
    e.develop(rows);
    EXPECT_EQ(e.columns(), (std::vector<Column>{col(1, 2, 3, 4, 5), col(2, 4, 6, 8, 9)}));

    s.levels.setMax(1, 1);
    s.levels.setMin(2, 1); // every column needs a pass in B
    e.develop(rows);
    EXPECT_EQ(e.columns(), std::vector<Column>{col(2, 4, 6, 8, 9)});
}

// Sums admitted only at the edges of what the numbers can make: the
// early cut on the prefix sum must keep every column that reaches them.
TEST(ConditionPipeline, SumWindowAtItsEdges) {
    const std::vector<int> numbers = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
    const std::vector<std::vector<int>> windows = {{15}, {60},         {15, 60}, {16, 59},
                                                   {37}, {20, 21, 45}, {}};
    for (const auto& admitted : windows) {
        Engine e;
        e.choose(numbers);
        e.state->conditions.setActive(111, true);
        for (int v : admitted)
            e.state->conditions.setCell(111, v, {CellStatus::Admitted, 0});
        const RunResult r = e.develop();
        EXPECT_EQ(e.columns(), reference(*e.state, integral(numbers), {})) << admitted.size();
        EXPECT_EQ(r.examined, static_cast<std::int64_t>(integral(numbers).size()));
    }
}

// Values admitted only at the edge of what a prefix still allows: the cut
// on the prefix must keep every column that reaches them; windows of the
// last number and of the distances that end on it must not be taken as
// passed by every completion when some fall outside.
TEST(ConditionPipeline, BoundedValuesAtTheirEdges) {
    const std::vector<int> numbers = {1, 2, 3, 11, 12, 21, 22, 25, 31, 32, 38, 41, 44, 48, 49};
    std::array<int, 52> comparison{};
    for (int n : {2, 12, 22, 32, 44, 48})
        comparison[static_cast<std::size_t>(n)] = 1;
    const MetricContext ctx{nullptr, &comparison, nullptr};
    struct Case {
        int slot;
        std::vector<int> admitted;
    };
    std::vector<Case> cases = {
        {116, {1}}, {116, {9}},   {116, {2, 3}}, {117, {3}},  {117, {30}}, {45, {5}},
        {45, {1}},  {45, {2}},    {62, {5}},     {62, {2}},   {46, {0}},   {46, {4}},
        {47, {5}},  {47, {0, 3}}, {115, {4}},    {115, {48}}, {115, {20}}, {116, {}},
    };
    // Windows from..to: the last number, the extent, distances ending on the last number.
    for (const auto& [slot, from, to] :
         {std::array{123, 20, 40}, std::array{115, 10, 35}, std::array{148, 5, 30},
          std::array{151, 3, 17}, std::array{154, 1, 10}}) {
        Case c{slot, {}};
        for (int v = from; v <= to; ++v)
            c.admitted.push_back(v);
        cases.push_back(c);
    }
    for (const auto& c : cases) {
        Engine e;
        e.choose(numbers);
        e.options.context = ctx;
        e.state->conditions.setActive(c.slot, true);
        for (int v : c.admitted)
            e.state->conditions.setCell(c.slot, v, {CellStatus::Admitted, 0});
        const RunResult r = e.develop();
        EXPECT_EQ(e.columns(), reference(*e.state, integral(numbers), ctx))
            << c.slot << " " << (c.admitted.empty() ? -1 : c.admitted[0]);
        EXPECT_EQ(r.examined, static_cast<std::int64_t>(integral(numbers).size()));
    }
}

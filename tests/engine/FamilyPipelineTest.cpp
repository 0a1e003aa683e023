#include "EngineFixture.h"

#include "conditions/Baricentre.h"
#include "conditions/DecadeConditions.h"
#include "conditions/DigitConditions.h"
#include "conditions/FamilySlotMetric.h"
#include "conditions/ParityPatterns.h"
#include "conditions/Remainders.h"

#include <functional>
#include <random>
#include <tuple>

using namespace varnelo;
using namespace varnelo::test;

namespace {

// The whole candidate test done the plain way, one family after the other
// with its own unit: value rows, the families with tables of their own,
// filter columns, links, point quadri, levels and the AND/OR quadri.
bool familyReference(const ProgramState& s, const Column& c, const MetricContext& ctx) {
    const LinkJudge judge(s.links, s.quadri);
    LinkJudge::Work work;
    LevelCounters levels{};
    const ConditionFamilies& f = s.families;
    auto failed = [&](int slot) { return judge.recordFailure(work, slot); };
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        if (!s.conditions.isActive(slot))
            continue;
        int v = -1;
        if (isShapeSlot(slot))
            v = shapeSlotValue(slot, c, ctx);
        else if (isFamilySlot(slot))
            v = familySlotValue(slot, c, ctx, f.sequele);
        if (v < 0)
            continue;
        const CellStatus st = s.conditions.effectiveStatus(slot, v);
        if (st == CellStatus::NotAdmitted) {
            if (!failed(slot))
                return false;
            continue;
        }
        if (st == CellStatus::Recovery)
            ++levels[s.conditions.cell(slot, v).level];
        judge.recordPoints(work, slot, v);
    }
    auto outcome = [&](int slot, bool pass, const LevelCounters& recovered) {
        if (!pass)
            return failed(slot);
        for (int l = 0; l <= kLevelCount; ++l)
            levels[static_cast<std::size_t>(l)] += recovered[static_cast<std::size_t>(l)];
        judge.recordPoints(work, slot, 1);
        return true;
    };
    LevelCounters r{};
    if (s.conditions.isActive(kSumQuadroSlot) &&
        !outcome(kSumQuadroSlot, SumQuadroTest(f.sums, f.picchetti).pass(c, r), r))
        return false;
    r = {};
    if (s.conditions.isActive(kRitardiVariSlot) &&
        !outcome(kRitardiVariSlot, DelayRowsTest(f.ritardiVari, s.delayTables, false).pass(c, r),
                 r))
        return false;
    r = {};
    if (s.conditions.isActive(kAmboSlot) &&
        !outcome(kAmboSlot, DelayRowsTest(f.ambo, s.delayTables, true).pass(c, r), r))
        return false;
    if (f.filtersInPlay() && !FilterColumnsTest(f.activeFilters).pass(c))
        return false;
    LevelUse use = levelsInUse(s.conditions);
    addFamilyLevels(s.conditions, f, use);
    if (!LevelJudge(s.levels, use).pass(levels.data()) || !judge.judge(work))
        return false;
    return !f.andOr.anyActive() || AndOrTest(f.andOr).mark(c) == 0;
}

// Mostly admitted values of a slot's row, a few refused, a few on recovery.
void fillRow(ProgramState& s, int slot, std::mt19937& rng, int refusePercent) {
    s.conditions.setActive(slot, true);
    std::uniform_int_distribution<int> roll(0, 99);
    const ValueRange r = slotValueRange(slot);
    for (int v = r.min; v <= r.max; ++v) {
        const int x = roll(rng);
        if (x < refusePercent)
            continue;
        if (x < refusePercent + 10)
            s.conditions.setCell(slot, v, {CellStatus::Recovery, std::uint8_t(1 + x % 3)});
        else
            s.conditions.setCell(slot, v, {CellStatus::Admitted, 0});
    }
}

std::uint64_t randomMask(std::mt19937& rng, int size) {
    std::uint64_t m = 0;
    for (int i = 0; i < size; ++i)
        m |= std::uint64_t{1} << (rng() % 49 + 1);
    return m;
}

// The families, one by one (family index 0..12) or all together (-1).
void setFamily(ProgramState& s, int family, std::mt19937& rng) {
    ConditionFamilies& f = s.families;
    auto on = [family](int k) { return family < 0 || family == k; };
    if (on(0))
        // All ten at once take more per-number inputs than the plan has.
        for (int d = 0; d < 10; d += family < 0 ? 1 : 3)
            fillRow(s, kDigitPresenceSlot + d, rng, 40);
    if (on(1)) {
        fillRow(s, kDigitCountSlot, rng, 20);
        for (int e = 0; e < 10; e += 4)
            fillRow(s, kDigitPositionSlot + e, rng, 15);
    }
    if (on(2)) {
        for (int k = 0; k < 3; ++k)
            fillRow(s, kDecadeSumSlot + k, rng, 10);
        fillRow(s, kDecadesPlusUnitsSlot, rng, 20);
    }
    if (on(3))
        for (int d = 2; d <= 9; d += 3)
            fillRow(s, remainderSlot(d), rng, 15);
    if (on(4))
        for (int k = 0; k < 3; ++k)
            fillRow(s, kBaricentreSlot + k, rng, 10);
    if (on(5)) {
        f.sequele.setMark(2, 1, ParityMark::Even);
        f.sequele.setMark(2, 4, ParityMark::Odd);
        f.sequele.setMark(7, 5, ParityMark::Odd);
        s.conditions.setActive(kSequeleSlot + 1, true);
        s.conditions.setCell(kSequeleSlot + 1, 5, {CellStatus::Admitted, 0});
        s.conditions.setCell(kSequeleSlot + 1, 4, {CellStatus::Recovery, 1});
        s.conditions.setActive(kSequeleSlot + 6, true);
        s.conditions.setCell(kSequeleSlot + 6, 5, {CellStatus::Admitted, 0});
        fillRow(s, kParityPatternSlot + 1, rng, 25);
        fillRow(s, kParityPatternSlot + 10, rng, 25);
    }
    if (on(6))
        fillRow(s, kAmbataSlot, rng, 30);
    if (on(7)) {
        SumRow a;
        for (int n = 1; n <= 49; n += 2)
            a.setNumber(n, true);
        a.slots[0].admitted = {2000, 9000};
        a.slots[2].recovery = {0, 1999};
        a.slots[2].level = 2;
        SumRow b;
        b.kind = 4;
        for (int n = 1; n <= 49; ++n) {
            b.setNumber(n, n % 3 != 0);
            f.picchetti.setValue(4, n, static_cast<std::int32_t>(rng() % 500));
        }
        b.slots[1].admitted = {300, 1500};
        b.slots[3].recovery = {1501, 1800};
        b.slots[3].level = 3;
        f.sums.rows = {a, b};
        s.conditions.setActive(kSumQuadroSlot, true);
    }
    if (on(8)) {
        f.ritardiVari.rows[2].admitted[0] = {0, 300000};
        f.ritardiVari.rows[2].recovery = {300001, 500000};
        f.ritardiVari.rows[2].level = 1;
        f.ritardiVari.rows[1].admitted[1] = {100000, 900000};
        s.conditions.setActive(kRitardiVariSlot, true);
    }
    if (on(9)) {
        f.ambo.rows[0].admitted[0] = {200, 600};
        f.ambo.rows[0].recovery = {150, 199};
        f.ambo.rows[0].level = 3;
        f.ambo.rows[4].admitted[2] = {10, 200};
        s.conditions.setActive(kAmboSlot, true);
    }
    if (on(10)) {
        for (int j = 0; j < 70; ++j) {
            ListColumn lc;
            const std::uint64_t mask = randomMask(rng, 5);
            for (int n = 1; n <= 49; ++n)
                if (mask >> n & 1u)
                    lc.numbers.push_back(static_cast<std::uint8_t>(n));
            lc.hits = j % 9 == 0 ? 0b000011 : 0b001111;
            lc.consecutive = j == 5 ? 0b1 : 0;
            f.filterList.columns.push_back(lc);
        }
        f.filterList.active = true;
        EXPECT_FALSE(activateFilterList(f.filterList, f.activeFilters));
    }
    if (on(11)) {
        for (int k = 0; k < 4; ++k) {
            AndOrQuadro& q = f.andOr.quadri[static_cast<std::size_t>(k * 5)];
            q.active = true;
            q.orLogic = k >= 2;
            for (int j = 0; j < 40 + 30 * k; ++j)
                q.columns.push_back({randomMask(rng, 8), static_cast<std::uint8_t>(rng() % 64)});
            const auto n = static_cast<std::int16_t>(q.columns.size());
            q.guessed = {static_cast<std::int16_t>(n * 2 / 5),
                         static_cast<std::int16_t>(n * 3 / 5)};
            q.points = {0, static_cast<std::int16_t>(3 * n)};
        }
        f.andOr.orRequirement.set(1);
        f.andOr.orRequirement.set(2);
    }
}

struct Fixture {
    Engine e;
    std::array<int, kMaxNumber + 1> delays{};

    explicit Fixture(std::mt19937& rng, int numbers) {
        e.choose(randomNumbers(rng, numbers));
        std::vector<Column> archive;
        for (int i = 0; i < 300; ++i) {
            const auto v = randomNumbers(rng, 5);
            archive.push_back(col(v[0], v[1], v[2], v[3], v[4]));
        }
        e.state->delayTables.rebuild(archive);
        for (int n = 1; n <= kMaxNumber; ++n)
            delays[static_cast<std::size_t>(n)] = e.state->delayTables.delay(n);
        e.options.context.delays = &delays;
    }
    std::vector<int> chosen() const { return e.state->selection.chosenNumbers(); }
};

} // namespace

// Each family alone keeps exactly the columns its own test keeps.
TEST(FamilyPipeline, EveryFamilyAloneMatchesItsTest) {
    std::mt19937 rng(4);
    for (int family = 0; family <= 11; ++family) {
        Fixture fx(rng, 20);
        setFamily(*fx.e.state, family, rng);
        const std::vector<Column> all = integral(fx.chosen());
        const std::vector<Column> expected =
            reference(*fx.e.state, all, fx.e.options.context, familyReference);
        for (int threads : {1, 2}) {
            fx.e.options.threads = threads;
            const RunResult r = fx.e.develop();
            ASSERT_EQ(fx.e.columns(), expected) << "famiglia " << family << ", " << threads;
            EXPECT_EQ(r.conditioned, static_cast<std::int32_t>(expected.size()));
        }
        EXPECT_LT(expected.size(), all.size()) << "famiglia " << family << " keeps everything";
        EXPECT_GT(expected.size(), 0u) << "famiglia " << family << " keeps nothing";
    }
}

// Every family at once, with links over family slots, point quadri, levels
// and mixed-level groups, through enumeration and through a table of rows.
TEST(FamilyPipeline, AllFamiliesWithLinksAndLevels) {
    std::mt19937 rng(11);
    for (int trial = 0; trial < 6; ++trial) {
        Fixture fx(rng, 18 + trial % 3);
        ProgramState& s = *fx.e.state;
        setFamily(s, -1, rng);
        // Loose enough that something survives every family at once.
        std::vector<int> digitSlots = {kDigitCountSlot};
        for (int d = 0; d < 10; ++d)
            digitSlots.push_back(kDigitPresenceSlot + d);
        for (int slot : digitSlots)
            for (int v = 0; v <= slotValueRange(slot).max; ++v)
                if (s.conditions.cell(slot, v).status == CellStatus::NotAdmitted)
                    s.conditions.setCell(slot, v, {CellStatus::Admitted, 0});
        // A third of the digit rows keep a refused value, so some are asked per column.
        s.conditions.setCell(kDigitPresenceSlot + 9 - trial % 3, 2, {});
        s.links.table.setMembership(1, kSumQuadroSlot, 1);
        s.links.table.setMembership(1, kAmboSlot, 1);
        s.links.table.setMembership(1, remainderSlot(2), 1);
        s.links.table.range(1) = {0, static_cast<std::int32_t>(trial % 3)};
        s.links.table.setMembership(2, kRitardiVariSlot, 1);
        s.links.table.setMembership(2, kBaricentreSlot, 1);
        s.links.table.range(2) = {trial == 4 ? 1 : 0, 2};
        s.links.overallExcess = {0, 3};
        s.links.wrongLinks = {0, 1};
        s.links.recompute();
        s.quadri.table.setMembership(1, kSumQuadroSlot, 1);
        s.quadri.table.setMembership(1, kDigitCountSlot, 1);
        s.quadri.table.range(1) = {3, 9};
        s.quadri.wrongQuadri = {0, trial % 2};
        s.quadri.recompute();
        for (int level = 1; level <= 3; ++level) {
            s.levels.setMax(level, 1 + (trial + level) % 3);
            s.levels.setMin(level, 0);
        }
        s.levels.setInGroup(2, 1, true);
        s.levels.setInGroup(3, 1, true);
        s.levels.setGroupMax(1, 2);

        const std::vector<Column> all = integral(fx.chosen());
        const std::vector<Column> expected =
            reference(s, all, fx.e.options.context, familyReference);
        fx.e.options.tally = true;
        const RunResult r = fx.e.develop();
        ASSERT_EQ(fx.e.columns(), expected) << "prova " << trial;
        EXPECT_EQ(r.conditioned, static_cast<std::int32_t>(expected.size()));
        EXPECT_GT(expected.size(), 0u);
        EXPECT_EQ(s.familyDistribution.columns(), static_cast<std::int64_t>(expected.size()));
        // The same tally over the stored columns afterwards.
        const ConditionFamilies& f = s.families;
        const FamilyDistribution::Inputs in{fx.e.options.context, f.sequele, s.delayTables, f.sums,
                                            f.picchetti,          f.andOr};
        FamilyDistribution after;
        after.tallyStored(s.columns, in);
        for (int slot : {kDigitCountSlot, remainderSlot(5), kAmbataSlot, kSequeleSlot + 1}) {
            const auto a = after.slotRow(slot);
            const auto b = s.familyDistribution.slotRow(slot);
            EXPECT_TRUE(std::equal(a.begin(), a.end(), b.begin(), b.end())) << slot;
        }
        EXPECT_EQ(after.sumRow(1), s.familyDistribution.sumRow(1));
        EXPECT_EQ(after.quadroRow(0), s.familyDistribution.quadroRow(0));

        // Split over threads: the same list, counts and tally.
        for (int threads : {2, 3}) {
            fx.e.options.threads = threads;
            const RunResult p = fx.e.develop();
            ASSERT_EQ(fx.e.columns(), expected) << "prova " << trial << ", " << threads;
            EXPECT_EQ(std::tie(p.examined, p.conditioned, p.total),
                      std::tie(r.examined, r.conditioned, r.total));
            for (int slot : {kDigitCountSlot, remainderSlot(5), kAmbataSlot}) {
                const auto a = after.slotRow(slot);
                const auto b = s.familyDistribution.slotRow(slot);
                EXPECT_TRUE(std::equal(a.begin(), a.end(), b.begin(), b.end())) << slot;
            }
            EXPECT_EQ(after.quadroRow(0), s.familyDistribution.quadroRow(0));
        }
        fx.e.options.threads = 1;

        std::vector<Column> shuffled = all;
        std::shuffle(shuffled.begin(), shuffled.end(), rng);
        fx.e.develop(shuffled);
        ASSERT_EQ(fx.e.columns(), reference(s, shuffled, fx.e.options.context, familyReference));
    }
}

TEST(FamilyPipeline, FilterColumnWithZeroHitsAndAndQuadroWithZeroGuessed) {
    std::mt19937 rng(1);
    Fixture fx(rng, 12);
    ProgramState& s = *fx.e.state;
    const std::vector<int> n = fx.chosen();
    s.families.filterList.columns = {{{static_cast<std::uint8_t>(n[0])}, 0b1, 0}};
    s.families.filterList.active = true;
    ASSERT_FALSE(activateFilterList(s.families.filterList, s.families.activeFilters));
    fx.e.develop();
    for (const Column& c : fx.e.columns())
        EXPECT_EQ(std::count(c.begin(), c.end(), n[0]), 0);
    EXPECT_EQ(fx.e.columns().size(), static_cast<std::size_t>(binomial(11, 5)));

    s.families.filterList.active = false;
    AndOrQuadro& q = s.families.andOr.quadri[0];
    q.active = true;
    q.columns = {{std::uint64_t{1} << n[1] | std::uint64_t{1} << n[2], 0b110}};
    q.guessed = {0, 0};
    q.points = {0, 0};
    fx.e.develop();
    for (const Column& c : fx.e.columns())
        EXPECT_EQ(std::count(c.begin(), c.end(), n[1]) + std::count(c.begin(), c.end(), n[2]), 0);
    EXPECT_EQ(fx.e.columns().size(), static_cast<std::size_t>(binomial(10, 5)));
}

// Families set so that they judge every last number of a prefix alike: all
// pass, all refused, all only on recovery, or a failure that a link turns
// into an error; alone and together, on one thread, split, and one column
// at a time (with the distribution table).
TEST(FamilyPipeline, FamiliesThatJudgeEveryLastNumberAlike) {
    auto allValues = [](ProgramState& s, int slot, CellStatus status) {
        s.conditions.setActive(slot, true);
        for (int v = 0; v <= slotValueRange(slot).max; ++v)
            s.conditions.setCell(slot, v, {status, std::uint8_t(status == CellStatus::Recovery)});
    };
    auto link = [](ProgramState& s, int slot, int errors) {
        s.links.table.setMembership(1, slot, 1);
        s.links.table.range(1) = {0, errors};
        s.links.recompute();
    };
    auto ritardiNothing = [](ProgramState& s) {
        s.families.ritardiVari.rows[0].admitted[0] = {1, 2};
        s.conditions.setActive(kRitardiVariSlot, true);
    };
    auto sumsOnRecovery = [](ProgramState& s) {
        SumRow r;
        for (int n = 1; n <= 49; ++n)
            r.setNumber(n, true);
        r.slots[0].recovery = {1, 30000};
        r.slots[0].level = 1;
        s.families.sums.rows = {r};
        s.conditions.setActive(kSumQuadroSlot, true);
    };
    auto filters = [](ProgramState& s, std::uint8_t hits) {
        s.families.filterList.columns = {{{1, 7, 13, 22, 30, 41}, hits, 0},
                                         {{2, 3, 4, 5, 6, 8, 9}, hits, 0}};
        s.families.filterList.active = true;
        ASSERT_FALSE(activateFilterList(s.families.filterList, s.families.activeFilters));
    };
    enum Keeps { All, None, Some };
    struct Case {
        const char* name;
        Keeps keeps;
        std::function<void(ProgramState&)> set;
    };
    const std::vector<Case> cases = {
        {"cifre: tutto ammesso", All,
         [&](ProgramState& s) {
             for (int d = 0; d < 10; ++d)
                 allValues(s, kDigitPresenceSlot + d, CellStatus::Admitted);
             allValues(s, kDigitCountSlot, CellStatus::Admitted);
         }},
        {"cifre: tutto in recupero, il livello basta", All,
         [&](ProgramState& s) {
             allValues(s, kDigitPresenceSlot + 3, CellStatus::Recovery);
             s.levels.setMax(1, 1);
         }},
        {"cifre: tutto in recupero, il livello non basta", None,
         [&](ProgramState& s) {
             allValues(s, kDigitCountSlot, CellStatus::Recovery);
             allValues(s, kDecadesPlusUnitsSlot, CellStatus::Recovery);
             s.levels.setMax(1, 1);
         }},
        {"decine e unita: nulla ammesso", None,
         [&](ProgramState& s) {
             s.conditions.setActive(kDecadesPlusUnitsSlot, true);
             s.conditions.setActive(kBaricentreSlot + 1, true);
         }},
        {"baricentro: rifiutato solo il vuoto", Some,
         [&](ProgramState& s) {
             for (int k = 1; k <= 2; ++k) {
                 allValues(s, kBaricentreSlot + k, CellStatus::Admitted);
                 s.conditions.setCell(kBaricentreSlot + k, 0, {});
             }
         }},
        {"baricentro: nulla ammesso in un legame", All,
         [&](ProgramState& s) {
             s.conditions.setActive(kBaricentreSlot + 2, true);
             link(s, kBaricentreSlot + 2, 1);
         }},
        {"somme: solo recupero", All,
         [&](ProgramState& s) {
             sumsOnRecovery(s);
             s.levels.setMax(1, 1);
         }},
        {"somme: solo recupero, con ambo in un legame", Some,
         [&](ProgramState& s) {
             sumsOnRecovery(s);
             s.levels.setMax(1, 1);
             s.families.ambo.rows[0].admitted[0] = {1, 2};
             s.conditions.setActive(kAmboSlot, true);
             link(s, kAmboSlot, 1);
         }},
        {"somme e ritardi vari: solo recupero, il livello non basta", None,
         [&](ProgramState& s) {
             sumsOnRecovery(s);
             s.families.ritardiVari.rows[0].recovery = {0, 999990000};
             s.families.ritardiVari.rows[0].level = 1;
             s.conditions.setActive(kRitardiVariSlot, true);
             s.levels.setMax(1, 1);
         }},
        {"somme: ogni somma ammessa, i punti del quadro contano", All,
         [&](ProgramState& s) {
             SumRow r;
             for (int n = 1; n <= 49; ++n)
                 r.setNumber(n, true);
             r.slots[0].admitted = {1, 30000};
             s.families.sums.rows = {r};
             s.conditions.setActive(kSumQuadroSlot, true);
             s.quadri.table.setMembership(1, kSumQuadroSlot, 1);
             s.quadri.table.range(1) = {1, 1};
             s.quadri.recompute();
         }},
        {"ritardi vari: nulla ammesso", None, [&](ProgramState& s) { ritardiNothing(s); }},
        {"ritardi vari: nulla ammesso in un legame senza errori", None,
         [&](ProgramState& s) {
             ritardiNothing(s);
             link(s, kRitardiVariSlot, 0);
         }},
        {"ritardi vari: nulla ammesso in un legame con un errore", All,
         [&](ProgramState& s) {
             ritardiNothing(s);
             link(s, kRitardiVariSlot, 1);
         }},
        {"colonne filtro: ogni punteggio", All, [&](ProgramState& s) { filters(s, 0b111111); }},
        {"colonne filtro: nessun punteggio", None, [&](ProgramState& s) { filters(s, 0); }},
        {"AND/OR: requisito mai raggiunto", None,
         [&](ProgramState& s) {
             AndOrQuadro& q = s.families.andOr.quadri[2];
             q.active = true;
             q.orLogic = true;
             q.columns = {{std::uint64_t{0b1110}, 0b111111}};
             q.guessed = {0, 1};
             q.points = {0, 5};
             s.families.andOr.orRequirement.set(0);
         }},
    };
    std::mt19937 rng(17);
    for (const Case& k : cases) {
        Fixture fx(rng, 17);
        ProgramState& s = *fx.e.state;
        k.set(s);
        const std::vector<Column> all = integral(fx.chosen());
        const std::vector<Column> expected =
            reference(s, all, fx.e.options.context, familyReference);
        if (k.keeps != Some) {
            EXPECT_EQ(expected.size(), k.keeps == All ? all.size() : 0u) << k.name;
        }
        for (int way = 0; way < 3; ++way) {
            fx.e.options.threads = way == 1 ? 2 : 1;
            fx.e.options.tally = way == 2;
            const RunResult r = fx.e.develop();
            ASSERT_EQ(fx.e.columns(), expected) << k.name << ", " << way;
            EXPECT_EQ(r.conditioned, static_cast<std::int32_t>(expected.size())) << k.name;
            EXPECT_EQ(r.examined, static_cast<std::int64_t>(all.size())) << k.name;
        }
    }
}

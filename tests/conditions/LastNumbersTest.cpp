// The families asked about all the last numbers of a prefix at once must
// say of each what they say of the complete column.
#include "FamilyTestSupport.h"
#include "conditions/AndOrFilter.h"
#include "conditions/DelayConditions.h"
#include "conditions/FilterColumns.h"
#include "conditions/SumQuadro.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

using namespace varnelo;
using varnelo::test::randomColumns;

namespace {

// Low and high numbers, both parities, tens and units at their ends.
const std::vector<int> kNumbers = {1, 2, 3, 9, 10, 11, 19, 22, 30, 33, 40, 41, 47, 48, 49};

using OneByOne = std::function<RowVerdict(const Column&)>;
using AtOnce = std::function<LastVerdicts(const Column&, NumberSet)>;

RowVerdict verdictOf(const LastVerdicts& v, int n) {
    if (v.failed >> n & 1u)
        return RowVerdict::Fail;
    return v.recovered >> n & 1u ? RowVerdict::Recovery : RowVerdict::Pass;
}

// Every prefix of four of kNumbers with every last number after it, up to
// the first column they disagree on; returns how many columns got each
// verdict, so a case can show it reaches them.
std::array<int, 3> expectSameForEveryPrefix(const std::string& name, const OneByOne& oneByOne,
                                            const AtOnce& atOnce) {
    std::array<int, 3> seen{};
    const auto k = kNumbers.size();
    for (std::size_t a = 0; a < k; ++a)
        for (std::size_t b = a + 1; b < k; ++b)
            for (std::size_t c = b + 1; c < k; ++c)
                for (std::size_t d = c + 1; d + 1 < k; ++d) {
                    Column col{static_cast<std::uint8_t>(kNumbers[a]),
                               static_cast<std::uint8_t>(kNumbers[b]),
                               static_cast<std::uint8_t>(kNumbers[c]),
                               static_cast<std::uint8_t>(kNumbers[d]), 0};
                    NumberSet last = 0;
                    for (std::size_t e = d + 1; e < k; ++e)
                        last |= NumberSet{1} << kNumbers[e];
                    const LastVerdicts v = atOnce(col, last);
                    for (std::size_t e = d + 1; e < k; ++e) {
                        col[4] = static_cast<std::uint8_t>(kNumbers[e]);
                        const RowVerdict expected = oneByOne(col);
                        if (verdictOf(v, kNumbers[e]) != expected) {
                            ADD_FAILURE()
                                << name << ": " << int(col[0]) << " " << int(col[1]) << " "
                                << int(col[2]) << " " << int(col[3]) << " " << int(col[4]);
                            return seen;
                        }
                        ++seen[static_cast<std::size_t>(expected)];
                    }
                }
    return seen;
}

// A pass-or-refuse test as verdicts.
LastVerdicts refusedOutside(NumberSet passing, NumberSet last) {
    return {last & ~passing, 0};
}

template <typename Test> OneByOne oneByOne(const Test& test) {
    return [&test](const Column& c) {
        LevelCounters counters{};
        if (!test.pass(c, counters))
            return RowVerdict::Fail;
        for (const auto n : counters)
            if (n > 0)
                return RowVerdict::Recovery;
        return RowVerdict::Pass;
    };
}

// Expects the verdicts a case says it reaches (bit 0 pass, 1 recovery, 2 refusal).
void expectReached(const std::string& name, const std::array<int, 3>& seen, unsigned reached) {
    for (std::size_t v = 0; v < 3; ++v)
        EXPECT_EQ(seen[v] > 0, (reached >> v & 1u) != 0)
            << name << ", verdetto " << v << " (" << seen[0] << " " << seen[1] << " " << seen[2]
            << ")";
}

DelayTables randomTables(unsigned seed, std::size_t draws) {
    DelayTables t;
    t.rebuild(randomColumns(draws, seed));
    return t;
}

} // namespace

TEST(LastNumbers, FilterColumnsAtTheEdgesOfTheirHits) {
    struct Case {
        const char* name;
        int filters;
        int size;
        int minHits, maxHits;
        int consecutiveEvery; // every how many filter columns ask for consecutive counts; 0 none
        unsigned reached;
    };
    const std::vector<Case> cases = {
        {"ogni punteggio ammesso", 40, 6, 0, 5, 0, 0b001},
        {"nessun punto", 3, 4, 0, 0, 0, 0b101},
        {"almeno uno", 5, 12, 1, 5, 0, 0b101},
        {"al piu tre, piu parole", 150, 7, 0, 3, 0, 0b101},
        {"esattamente due", 2, 20, 2, 2, 0, 0b101},
        {"cinque su cinque", 1, 6, 5, 5, 0, 0b100},
        {"consecutivi", 70, 9, 0, 4, 7, 0b101},
    };
    std::mt19937 rng(21);
    for (const Case& k : cases) {
        FilterList list;
        for (int j = 0; j < k.filters; ++j) {
            ListColumn c;
            std::uint64_t used = 0;
            while (std::popcount(used) < k.size)
                used |= std::uint64_t{1} << (rng() % 49 + 1);
            for (int n = 1; n <= 49; ++n)
                if (used >> n & 1u)
                    c.numbers.push_back(static_cast<std::uint8_t>(n));
            c.hits = admittedHitBits(k.minHits, k.maxHits);
            if (k.consecutiveEvery && j % k.consecutiveEvery == 0)
                c.consecutive = 0b011;
            list.columns.push_back(c);
        }
        list.active = true;
        ActiveFilters store;
        ASSERT_FALSE(activateFilterList(list, store)) << k.name;
        const FilterColumnsTest atOnce(store), single(store);
        const auto seen = expectSameForEveryPrefix(
            k.name,
            [&](const Column& c) { return single.pass(c) ? RowVerdict::Pass : RowVerdict::Fail; },
            [&](const Column& c, NumberSet last) {
                return refusedOutside(atOnce.passing(c, last), last);
            });
        expectReached(k.name, seen, k.reached);
    }
}

TEST(LastNumbers, DelayRowsWholeRangesAndSingleValues) {
    const DelayTables tables = randomTables(5, 400);
    // A row's first free admitted interval and its recovery interval.
    struct RowSetting {
        int row;
        Interval admitted, recovery;
        std::uint8_t level = 0;
    };
    struct Case {
        const char* name;
        bool ambo;
        std::vector<RowSetting> rows;
        unsigned reached;
    };
    const std::vector<Case> cases = {
        {"ambo: ogni valore ammesso", true, {{0, {0, 100000}, {}}}, 0b001},
        {"ambo: totale stretto con recupero", true, {{0, {300, 700}, {200, 299}, 2}}, 0b111},
        // 1-2 hangs on the prefix alone, 1-5 and 4-5 on the last number.
        {"ambo: coppie del prefisso e dell'ultimo",
         true,
         {{1, {0, 150}, {}}, {4, {0, 250}, {}}, {10, {31, 400}, {0, 30}, 1}},
         0b111},
        {"ambo: nessun valore ammesso", true, {{7, {5000, 6000}, {}}}, 0b100},
        {"ritardi vari: larghi", false, {{0, {0, 999990000}, {}}}, 0b001},
        // Row 2 sums the delays.
        {"ritardi vari: stretti con recupero",
         false,
         {{2, {0, 400000}, {400001, 550000}, 1}, {0, {1, 999990000}, {}}},
         0b111},
    };
    for (const Case& k : cases) {
        DelayRows rows;
        rows.rows.resize(k.ambo ? kAmboRows : kRitardiVariRows);
        for (const RowSetting& r : k.rows) {
            IntervalRow& row = rows.rows[static_cast<std::size_t>(r.row)];
            row.admitted[0] = r.admitted;
            row.recovery = r.recovery;
            row.level = r.level;
        }
        const DelayRowsTest atOnce(rows, tables, k.ambo), single(rows, tables, k.ambo);
        const auto seen =
            expectSameForEveryPrefix(k.name, oneByOne(single), [&](const Column& c, NumberSet l) {
                return atOnce.lastVerdicts(c, l);
            });
        expectReached(k.name, seen, k.reached);
    }
}

TEST(LastNumbers, SumQuadroRowsWholeRangesAndSingleValues) {
    PicchettoTable picchetti;
    std::mt19937 rng(3);
    for (int n = 1; n <= 49; ++n)
        picchetti.setValue(2, n, static_cast<std::int32_t>(rng() % 400));
    auto row = [](int kind, std::initializer_list<std::pair<Interval, Interval>> slots) {
        SumRow r;
        r.kind = static_cast<std::uint8_t>(kind);
        for (int n = 1; n <= 49; ++n)
            r.setNumber(n, n % 4 != 1);
        std::size_t i = 0;
        for (const auto& [admitted, recovery] : slots) {
            r.slots[i].admitted = admitted;
            r.slots[i].recovery = recovery;
            r.slots[i].level = static_cast<std::uint8_t>(recovery.inUse() ? 1 + i : 0);
            ++i;
        }
        return r;
    };
    struct Case {
        const char* name;
        std::vector<SumRow> rows;
        unsigned reached;
    };
    const std::vector<Case> cases = {
        {"somma sempre ammessa", {row(0, {{{0, 30000}, {}}})}, 0b001},
        {"somma e picchetto stretti",
         {row(0, {{{6000, 12000}, {}}, {{}, {3000, 5999}}}),
          row(2, {{{500, 900}, {}}, {{}, {901, 1200}}})},
         0b111},
        {"ammessa dalla somma piu piccola in su", {row(0, {{{0, 10000}, {}}})}, 0b101},
        {"solo recupero", {row(0, {{{}, {0, 30000}}})}, 0b010},
        {"nulla di raggiungibile", {row(0, {{{50000, 60000}, {}}})}, 0b100},
    };
    for (const Case& k : cases) {
        SumQuadro q;
        q.rows = k.rows;
        const SumQuadroTest atOnce(q, picchetti), single(q, picchetti);
        const auto seen =
            expectSameForEveryPrefix(k.name, oneByOne(single), [&](const Column& c, NumberSet l) {
                return atOnce.lastVerdicts(c, l);
            });
        expectReached(k.name, seen, k.reached);
    }
}

TEST(LastNumbers, AndOrQuadriKeepingAndDiscarding) {
    std::mt19937 rng(8);
    auto quadro = [&rng](bool orLogic, int columns, Bounds16 guessed) {
        AndOrQuadro q;
        q.active = true;
        q.orLogic = orLogic;
        for (int j = 0; j < columns; ++j) {
            std::uint64_t m = 0;
            while (std::popcount(m) < 7)
                m |= std::uint64_t{1} << (rng() % 49 + 1);
            q.columns.push_back({m, 0b000110});
        }
        q.guessed = guessed;
        q.points = {0, static_cast<std::int16_t>(5 * columns)};
        return q;
    };
    struct Case {
        const char* name;
        std::function<void(AndOrSet&)> set;
        unsigned reached;
    };
    const std::vector<Case> cases = {
        {"quadri sempre soddisfatti",
         [&](AndOrSet& s) {
             s.quadri[0] = quadro(true, 10, {0, 10});
             s.orRequirement.set(1);
         },
         0b001},
        {"requisito OR mai raggiunto",
         [&](AndOrSet& s) {
             s.quadri[0] = quadro(true, 10, {0, 10});
             s.orRequirement.set(0);
         },
         0b100},
        {"AND e OR che scelgono",
         [&](AndOrSet& s) {
             s.quadri[0] = quadro(false, 90, {10, 60});
             s.quadri[3] = quadro(true, 30, {5, 30});
             s.quadri[4] = quadro(true, 30, {0, 8});
             s.orRequirement.set(1);
         },
         0b101},
    };
    for (const Case& k : cases) {
        AndOrSet set;
        k.set(set);
        const AndOrTest atOnce(set), single(set);
        const auto seen = expectSameForEveryPrefix(
            k.name,
            [&](const Column& c) {
                return single.mark(c) == 0 ? RowVerdict::Pass : RowVerdict::Fail;
            },
            [&](const Column& c, NumberSet last) {
                return refusedOutside(atOnce.keeping(c, last), last);
            });
        expectReached(k.name, seen, k.reached);
    }
}

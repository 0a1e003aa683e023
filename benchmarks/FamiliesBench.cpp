// The cost of every condition family over the 49 numbers, alone and all at
// once, against the bare baseline of the engine cases.
#include "benchmarks/Baseline.h"
#include "benchmarks/Bench.h"
#include "conditions/Baricentre.h"
#include "conditions/DecadeConditions.h"
#include "conditions/DigitConditions.h"
#include "conditions/FamilySlotMetric.h"
#include "conditions/Remainders.h"
#include "engine/DevelopmentRun.h"
#include "system/ProgramState.h"
#include "system/SystemRun.h"

#include <filesystem>
#include <memory>
#include <random>
#include <unistd.h>

namespace varnelo::bench {

namespace {

enum Family : unsigned {
    kDigits = 1u << 0,
    kDecades = 1u << 1,
    kRemainders = 1u << 2,
    kSequele = 1u << 3,
    kSums = 1u << 4,
    kRitardi = 1u << 5,
    kAmbo = 1u << 6,
    kAmbata = 1u << 7,
    kAndOr = 1u << 8,
    kFilters = 1u << 9,
    kEvery = (1u << 10) - 1,
};

struct Setup {
    std::shared_ptr<ProgramState> state;
    std::shared_ptr<std::array<int, kMaxNumber + 1>> delays;
};

void admit(ProgramState& s, int slot, int from, int to, int recoveryValue = -1) {
    s.conditions.setActive(slot, true);
    for (int v = from; v <= to; ++v)
        s.conditions.setCell(slot, v, {CellStatus::Admitted, 0});
    if (recoveryValue >= 0)
        s.conditions.setCell(slot, recoveryValue, {CellStatus::Recovery, 1});
}

std::uint64_t randomMask(std::mt19937& rng, int size) {
    std::uint64_t m = 0;
    while (std::popcount(m) < size)
        m |= std::uint64_t{1} << (rng() % 49 + 1);
    return m;
}

// Settings that keep most columns, so that every family is asked about
// nearly every candidate.
Setup families(const char* name, unsigned which) {
    const auto dir =
        std::filesystem::temp_directory_path() /
        ("varnelo-bench-famiglie-" + std::string(name) + "-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir / "qor");
    Setup out{std::make_shared<ProgramState>(ProgramFolder(dir)),
              std::make_shared<std::array<int, kMaxNumber + 1>>()};
    ProgramState& s = *out.state;
    for (int n = 1; n <= kMaxNumber; ++n)
        s.selection.setState(n, Selection::Chosen);
    std::mt19937 rng(49);
    std::vector<Column> archive;
    for (int i = 0; i < 3000; ++i) {
        const std::uint64_t m = randomMask(rng, 5);
        Column c{};
        int k = 0;
        for (int n = 1; n <= kMaxNumber; ++n)
            if (m >> n & 1u)
                c[static_cast<std::size_t>(k++)] = static_cast<std::uint8_t>(n);
        archive.push_back(c);
    }
    s.delayTables.rebuild(archive);
    for (int n = 1; n <= kMaxNumber; ++n)
        (*out.delays)[static_cast<std::size_t>(n)] = s.delayTables.delay(n);
    s.levels.setMax(1, 3);
    ConditionFamilies& f = s.families;

    if (which & kDigits) { // 10 digit slots, the number of digits and two positions
        for (int d = 0; d < 10; ++d)
            admit(s, kDigitPresenceSlot + d, 0, 4, 5);
        admit(s, kDigitCountSlot, 3, 10, 2);
        admit(s, kDigitPositionSlot + 0, 0, 3, 4);
        admit(s, kDigitPositionSlot + 9, 0, 9);
    }
    if (which & kDecades) {
        for (int k = 0; k < 3; ++k)
            admit(s, kDecadeSumSlot + k, 1, 59, 0);
        admit(s, kDecadesPlusUnitsSlot, 3, 10, 2);
    }
    if (which & kRemainders) {
        for (int d = kFirstDivisor; d <= kLastDivisor; ++d)
            admit(s, remainderSlot(d), 1, d - 1, 0);
        for (int k = 0; k < 3; ++k)
            admit(s, kBaricentreSlot + k, 1, 50, 0);
    }
    if (which & kSequele) {
        f.sequele.setMark(1, 1, ParityMark::Even);
        f.sequele.setMark(1, 5, ParityMark::Odd);
        admit(s, kSequeleSlot, 3, 5);
    }
    if (which & kSums) { // 5 rows on two picchetti
        for (int n = 1; n <= kMaxNumber; ++n) {
            f.picchetti.setValue(1, n, static_cast<std::int32_t>(rng() % 1000));
            f.picchetti.setValue(2, n, static_cast<std::int32_t>(rng() % 300));
        }
        for (int r = 0; r < 5; ++r) {
            SumRow row;
            row.kind = static_cast<std::uint8_t>(r % 3); // Somma, picchetto 1, picchetto 2
            for (int n = 1; n <= kMaxNumber; ++n)
                row.setNumber(n, (n + r) % 4 != 0);
            row.slots[0].admitted = {1, 500000};
            row.slots[1].recovery = {0, 0};
            row.slots[2].admitted = {0, 0};
            row.slots[4].recovery = {0, 1000000};
            row.slots[4].level = 1;
            f.sums.rows.push_back(row);
        }
        s.conditions.setActive(kSumQuadroSlot, true);
    }
    if (which & kRitardi) {
        for (IntervalRow& row : f.ritardiVari.rows)
            row.admitted[0] = {0, 999990000};
        s.conditions.setActive(kRitardiVariSlot, true);
    }
    if (which & kAmbo) {
        for (IntervalRow& row : f.ambo.rows) {
            row.admitted[0] = {0, 9999};
            row.recovery = {0, 9999};
            row.level = 1;
        }
        s.conditions.setActive(kAmboSlot, true);
    }
    if (which & kAmbata)
        admit(s, kAmbataSlot, 0, 210, 0);
    if (which & kAndOr) { // 20 quadri of 50 filter columns, half of them in OR
        for (int k = 0; k < kAndOrQuadri; ++k) {
            AndOrQuadro& q = f.andOr.quadri[static_cast<std::size_t>(k)];
            q.active = true;
            q.orLogic = k % 2 == 1;
            for (int j = 0; j < 50; ++j)
                q.columns.push_back({randomMask(rng, 6), 0b000111});
            q.guessed = {0, 50};
            q.points = {0, 250};
        }
        for (int k = 0; k <= kAndOrQuadri; ++k)
            f.andOr.orRequirement.set(static_cast<std::size_t>(k));
    }
    if (which & kFilters) { // 200 filter columns
        for (int j = 0; j < 200; ++j) {
            ListColumn c;
            const std::uint64_t m = randomMask(rng, 6);
            for (int n = 1; n <= kMaxNumber; ++n)
                if (m >> n & 1u)
                    c.numbers.push_back(static_cast<std::uint8_t>(n));
            c.hits = 0b001111;
            f.filterList.columns.push_back(c);
        }
        f.filterList.active = true;
        activateFilterList(f.filterList, f.activeFilters);
    }
    return out;
}

void baseline() {
    static auto store = std::make_unique<ColumnStore>();
    keep(store.get());
    storeAllColumns(*store);
}

// threads 1: one core, comparable with the bare loop; 0: every core.
std::function<void()> develop(Setup setup, int threads) {
    return [setup, threads] {
        RunProgress progress;
        RunOptions options;
        options.context.delays = setup.delays.get();
        options.threads = threads;
        keep(&setup.state->columns);
        const RunResult r = developSystem(*setup.state, options, progress);
        keep(&r);
    };
}

bool registerFamily(const char* name, unsigned which, int runs, int threads = 1) {
    return registerCase({name, baseline, develop(families(name, which), threads), runs});
}

const bool registered = registerFamily("tutte-le-famiglie", kEvery, 5) &&
                        registerFamily("tutte-le-famiglie-parallelo", kEvery, 5, 0) &&
                        registerFamily("famiglia-cifre", kDigits, 3) &&
                        registerFamily("famiglia-decine-unita", kDecades, 3) &&
                        registerFamily("famiglia-resti-baricentro", kRemainders, 3) &&
                        registerFamily("famiglia-sequele", kSequele, 3) &&
                        registerFamily("famiglia-somme-picchetto", kSums, 3) &&
                        registerFamily("famiglia-ritardi-vari", kRitardi, 3) &&
                        registerFamily("famiglia-ambo", kAmbo, 3) &&
                        registerFamily("famiglia-ambata", kAmbata, 3) &&
                        registerFamily("famiglia-quadri-and-or", kAndOr, 3) &&
                        registerFamily("famiglia-colonne-filtro", kFilters, 3);

} // namespace

} // namespace varnelo::bench

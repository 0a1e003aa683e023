#include "benchmarks/Baseline.h"
#include "benchmarks/Bench.h"
#include "checking/ArchiveComparison.h"
#include "checking/SystemCheck.h"

#include <bit>
#include <memory>

namespace varnelo::bench {

namespace {

// Every column of the 49 numbers, made once.
const ColumnStore& allColumns() {
    static const std::unique_ptr<ColumnStore> store = [] {
        auto s = std::make_unique<ColumnStore>();
        s->systemTotal = storeAllColumns(*s);
        s->hasColumns = true;
        return s;
    }();
    return *store;
}

Combination drawn() {
    Combination c;
    for (int n : {5, 8, 21, 37, 46})
        c.numbers[static_cast<std::size_t>(n)] = true;
    c.numeroni[6] = true;
    c.numeroni[8] = true;
    return c;
}

// Reading the columns once: each column's number mask against the draw's, one popcount.
void readOnce() {
    const ColumnStore& s = allColumns();
    const std::uint64_t marks = drawn().mask();
    const std::uint8_t* p[5] = {s.plane(1), s.plane(2), s.plane(3), s.plane(4), s.plane(5)};
    std::int64_t hits = 0;
    for (std::int32_t j = 1; j <= s.storedCount; ++j) {
        const std::uint64_t m = std::uint64_t{1} << p[0][j] | std::uint64_t{1} << p[1][j] |
                                std::uint64_t{1} << p[2][j] | std::uint64_t{1} << p[3][j] |
                                std::uint64_t{1} << p[4][j];
        hits += std::popcount(m & marks);
    }
    keep(&hits);
}

void check() {
    Selection system;
    for (int e : {2, 6, 8})
        system.setNumerone(e, true);
    Progress progress;
    const SystemCheck result =
        checkSystem(allColumns(), ProgramFolder("."), system, drawn(), progress);
    keep(&result);
}

// Every column against 2300 draws, as "Confronto Sistema Archivio" does it
// over the shipped archive.
void compareWithArchive() {
    static const std::vector<Draw> draws = [] {
        std::vector<Draw> out;
        for (int i = 0; i < 2300; ++i) {
            Draw d;
            for (int p = 0; p < kColumnSize; ++p)
                d.numbers[static_cast<std::size_t>(p)] =
                    static_cast<std::uint8_t>(1 + p * 9 + (i * (p + 3)) % 9);
            d.numeroni = {static_cast<std::uint8_t>(1 + i % 10),
                          static_cast<std::uint8_t>(1 + (i + 3) % 10)};
            out.push_back(d);
        }
        return out;
    }();
    Selection system;
    for (int e : {2, 6, 8})
        system.setNumerone(e, true);
    Progress progress;
    const ArchiveComparison result =
        compareWithDraws(allColumns(), ProgramFolder("."), system, draws, progress);
    keep(&result);
}

const bool spoglio = registerCase({"spoglio-1906884", readOnce, check});
const bool confronto =
    registerCase({"confronto-archivio-1906884", readOnce, compareWithArchive, 3});

} // namespace

} // namespace varnelo::bench

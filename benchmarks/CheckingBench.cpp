#include "benchmarks/Baseline.h"
#include "benchmarks/Bench.h"
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

const bool spoglio = registerCase({"spoglio-1906884", readOnce, check});

} // namespace

} // namespace varnelo::bench

#include "benchmarks/Baseline.h"
#include "benchmarks/Bench.h"
#include "checking/WinLevels.h"

#include <algorithm>
#include <memory>
#include <random>

namespace varnelo::bench {

namespace {

ColumnStore& baselineStore() {
    static auto store = std::make_unique<ColumnStore>();
    return *store;
}

void baseline() {
    keep(&baselineStore());
    storeAllColumns(baselineStore());
}

// The system of the numbers 1..chosen; its columns come from `fill`.
template <typename Fill> WinLevelsInput systemOf(int chosen, Fill fill) {
    static auto store = std::make_unique<ColumnStore>();
    store->clear();
    fill(*store);
    store->systemTotal = store->storedCount;
    Selection all;
    for (int n = 1; n <= chosen; ++n)
        all.setState(n, Selection::Chosen);
    return winLevelsInput(all, *store, false);
}

void run(const WinLevelsInput& in) {
    Progress progress;
    const WinLevels levels = winLevels(in, progress);
    keep(&levels);
}

// Columns of distinct random numbers, a fixed seed.
void randomColumns(ColumnStore& store, int count) {
    std::mt19937 random(49);
    std::vector<int> numbers(kMaxNumber);
    for (int n = 1; n <= kMaxNumber; ++n)
        numbers[static_cast<std::size_t>(n - 1)] = n;
    for (int i = 0; i < count; ++i) {
        std::shuffle(numbers.begin(), numbers.end(), random);
        Column c;
        std::copy_n(numbers.begin(), kColumnSize, c.begin());
        std::sort(c.begin(), c.end());
        store.store(++store.storedCount, c);
    }
}

const bool registered = [] {
    registerCase({"distribuzione-vincite-49", baseline,
                  [] {
                      static const WinLevelsInput in =
                          systemOf(kMaxNumber, [](ColumnStore& s) { storeAllColumns(s); });
                      run(in);
                  },
                  3});
    registerCase({"distribuzione-vincite-100col-49", baseline,
                  [] {
                      static const WinLevelsInput in =
                          systemOf(kMaxNumber, [](ColumnStore& s) { randomColumns(s, 100); });
                      run(in);
                  },
                  5});
    // The walk over the integral of 16 numbers: 6,884 sets times 4,368
    // columns, the measure from which its time on larger systems follows.
    registerCase({"distribuzione-vincite-ingenua-16", baseline,
                  [] {
                      static const WinLevelsInput in =
                          systemOf(16, [](ColumnStore& s) { storeAllColumns(s, 16); });
                      const WinLevels levels = walkWinLevels(in);
                      keep(&levels);
                  },
                  3});
    return true;
}();

} // namespace

} // namespace varnelo::bench

#include "benchmarks/Baseline.h"
#include "benchmarks/Bench.h"
#include "reduced/OrthogonalDevelopment.h"

#include <memory>

namespace varnelo::bench {

namespace {

// The walk of the orthogonal development over all 49 numbers (the stored
// tables, which answer there for most options, left aside), against storing
// every column of the 49 numbers.
void addCase(const char* name, int g, int c) {
    registerCase({name,
                  [] {
                      static auto store = std::make_unique<ColumnStore>();
                      keep(store.get());
                      storeAllColumns(*store);
                  },
                  [g, c] {
                      std::vector<int> all;
                      for (int n = 1; n <= kMaxNumber; ++n)
                          all.push_back(n);
                      Progress progress;
                      const OrthogonalRun run = orthogonalWalk({}, all, g, c, progress);
                      keep(&run);
                  },
                  3});
}

const bool registered = [] {
    addCase("ortogonale-49-gar4-con4", 4, 4);
    addCase("ortogonale-49-gar3-con4", 3, 4);
    addCase("ortogonale-49-gar2-con2", 2, 2);
    return true;
}();

} // namespace

} // namespace varnelo::bench

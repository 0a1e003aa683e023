#include "benchmarks/Baseline.h"
#include "benchmarks/Bench.h"
#include "core/ProgramFolder.h"
#include "reduced/OrthogonalDevelopment.h"

#include <memory>

namespace varnelo::bench {

namespace {

// The orthogonal development over all 49 numbers (no stored table answers
// there), against storing every column of the 49 numbers.
void addCase(const char* name, int option) {
    registerCase(
        {name,
         [] {
             static auto store = std::make_unique<ColumnStore>();
             keep(store.get());
             storeAllColumns(*store);
         },
         [option] {
             static const Catalogue catalogue(catalogueFolder(shippedDataFolder(executableDir())));
             std::vector<int> all;
             for (int n = 1; n <= kMaxNumber; ++n)
                 all.push_back(n);
             Progress progress;
             const OrthogonalRun run = developOrthogonal(catalogue, {}, all, option, progress);
             keep(&run);
         },
         3});
}

const bool registered = [] {
    addCase("ortogonale-49-gar3-con4", 4);
    addCase("ortogonale-49-gar2-con2", 3);
    return true;
}();

} // namespace

} // namespace varnelo::bench

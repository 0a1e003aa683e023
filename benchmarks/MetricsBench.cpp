#include "benchmarks/Baseline.h"
#include "benchmarks/Bench.h"
#include "conditions/Metrics.h"

#include <memory>

namespace varnelo::bench {

namespace {

const bool registered =
    registerCase({"metriche-tutte",
                  [] {
                      static auto store = std::make_unique<ColumnStore>();
                      keep(store.get());
                      storeAllColumns(*store);
                  },
                  [] {
                      DistributionTable table;
                      const MetricContext ctx;
                      Column c;
                      for (int a = 1; a <= 45; ++a)
                          for (int b = a + 1; b <= 46; ++b)
                              for (int d = b + 1; d <= 47; ++d)
                                  for (int e = d + 1; e <= 48; ++e)
                                      for (int f = e + 1; f <= 49; ++f) {
                                          c = {std::uint8_t(a), std::uint8_t(b), std::uint8_t(d),
                                               std::uint8_t(e), std::uint8_t(f)};
                                          table.tally(c, ctx);
                                      }
                      keep(&table);
                  },
                  5});

} // namespace

} // namespace varnelo::bench

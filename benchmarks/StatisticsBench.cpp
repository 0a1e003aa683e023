#include "benchmarks/Bench.h"
#include "conditions/SlotStatistics.h"
#include "stats/ComboGaps.h"

#include <algorithm>
#include <array>
#include <random>
#include <vector>

namespace varnelo::bench {

namespace {

// 5000 draws, about forty years of an archive.
const std::vector<Column>& draws() {
    static const std::vector<Column> all = [] {
        std::mt19937 rng(5000);
        std::vector<Column> out;
        std::array<std::uint8_t, 49> pool{};
        for (int n = 0; n < 49; ++n)
            pool[static_cast<std::size_t>(n)] = static_cast<std::uint8_t>(n + 1);
        for (int i = 0; i < 5000; ++i) {
            std::shuffle(pool.begin(), pool.end(), rng);
            Column c{pool[0], pool[1], pool[2], pool[3], pool[4]};
            std::sort(c.begin(), c.end());
            out.push_back(c);
        }
        return out;
    }();
    return all;
}

// " Analisi statistica " of "Somma totale" (slot 111) and "Somma Ritardi"
// (114, which walks the delays too) against a bare pass over the draws.
void addCase(const char* name, int slot) {
    registerCase({name,
                  [] {
                      int sum = 0;
                      for (const Column& c : draws())
                          sum += c[0] + c[1] + c[2] + c[3] + c[4];
                      keep(&sum);
                  },
                  [slot] {
                      const ValueStatistics s =
                          slotStatistics(slot, draws(), MetricContext{}, SequelePatterns{});
                      keep(&s);
                  },
                  9});
}

// "Tutti i Terni": the 18,424 triples with their delays and the table the
// window shows, against the same bare pass.
void addTriples() {
    static const std::vector<Draw> archive = [] {
        std::vector<Draw> out;
        for (const Column& c : draws()) {
            Draw d;
            d.numbers = c;
            out.push_back(d);
        }
        return out;
    }();
    registerCase({"terni-5000",
                  [] {
                      int sum = 0;
                      for (const Column& c : draws())
                          sum += c[0] + c[1] + c[2] + c[3] + c[4];
                      keep(&sum);
                  },
                  [] {
                      const std::vector<ComboGaps> triples = computeTripleGaps(archive);
                      const StatTable t = comboTable("Tutti i Terni", "Terno", triples, 5000);
                      keep(&t);
                  },
                  5});
}

const bool registered = [] {
    addCase("analisi-statistica-somma", 111);
    addCase("analisi-statistica-somma-ritardi", 114);
    addTriples();
    return true;
}();

} // namespace

} // namespace varnelo::bench

#include "stats/NumberTables.h"

#include <algorithm>
#include <numeric>

namespace varnelo {

StatTable frequencyTable(const PositionDelays& delays) {
    const bool numbers = delays.part == DrawPart::Numbers;
    StatTable t{numbers ? "Frequenza dei 49 numeri" : "Frequenza dei Numeroni",
                {"Val", "Usciti", "% Concorsi", "Attese", "Scarto"},
                {}};
    const std::int32_t n = delays.drawCount;
    const double expected = static_cast<double>(n) * delays.positions() / delays.maxValue();
    for (int v = 1; v <= delays.maxValue(); ++v) {
        const std::int32_t outs = delays.byPosition[0][static_cast<std::size_t>(v)].outs;
        t.rows.push_back({StatCell::integer(v), StatCell::integer(outs),
                          StatCell::decimal(n == 0 ? 0.0 : outs * 100.0 / n),
                          StatCell::decimal(expected), StatCell::decimal(outs - expected)});
    }
    return t;
}

std::vector<int> mostDelayedNumbers(const PositionDelays& delays, int count) {
    const std::vector<Gaps>& g = delays.byPosition[0];
    std::vector<int> order(static_cast<std::size_t>(delays.maxValue()));
    std::iota(order.begin(), order.end(), 1);
    const std::int32_t n = delays.drawCount;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const Gaps& x = g[static_cast<std::size_t>(a)];
        const Gaps& y = g[static_cast<std::size_t>(b)];
        if (x.delay != y.delay)
            return x.delay > y.delay;
        return x.cycle(n) > y.cycle(n);
    });
    order.resize(static_cast<std::size_t>(std::clamp(count, 0, delays.maxValue())));
    return order;
}

StatTable mostDelayedTable(const PositionDelays& delays, const std::vector<int>& numbers) {
    StatTable t{"Numeri ritardatari", gapHeads("Val"), {}};
    for (int v : numbers)
        t.rows.push_back(gapRow(StatCell::integer(v),
                                delays.byPosition[0][static_cast<std::size_t>(v)],
                                delays.drawCount));
    return t;
}

} // namespace varnelo

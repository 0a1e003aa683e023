#include "stats/SpyNumbers.h"

#include <algorithm>
#include <numeric>

namespace varnelo {

SpyNumbers computeSpyNumbers(const std::vector<Draw>& draws, int spy) {
    SpyNumbers s;
    s.spy = spy;
    s.drawCount = static_cast<std::int32_t>(draws.size());
    for (std::size_t i = 0; i < draws.size(); ++i) {
        const Column& c = draws[i].numbers;
        for (auto n : c)
            ++s.outs[n];
        if (i + 1 == draws.size() || std::find(c.begin(), c.end(), spy) == c.end())
            continue;
        ++s.occasions;
        for (auto n : draws[i + 1].numbers)
            ++s.followers[n];
    }
    return s;
}

StatTable spyTable(const SpyNumbers& s) {
    StatTable t{"Numeri usciti dopo il " + std::to_string(s.spy),
                {"Val", "Dopo la spia", "% dopo la spia", "% in tutti", "Scarto %"},
                {}};
    std::vector<std::size_t> order(kMaxNumber);
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return s.followers[a] > s.followers[b]; });
    for (std::size_t n : order) {
        const double after = s.occasions == 0 ? 0.0 : s.followers[n] * 100.0 / s.occasions;
        const double all = s.drawCount == 0 ? 0.0 : s.outs[n] * 100.0 / s.drawCount;
        t.rows.push_back({StatCell::integer(static_cast<std::int64_t>(n)),
                          StatCell::integer(s.followers[n]), StatCell::decimal(after),
                          StatCell::decimal(all), StatCell::decimal(after - all)});
    }
    return t;
}

} // namespace varnelo

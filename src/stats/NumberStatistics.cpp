#include "stats/NumberStatistics.h"

#include <cmath>

namespace varnelo {

namespace {

std::int64_t fixed4(double v) {
    return std::llround(v * 10000.0);
}
std::int64_t hundredths(double v) {
    return std::llround(v * 100.0) * 100;
}

} // namespace

NumberStatistics computeNumberStatistics(const std::vector<Draw>& draws) {
    NumberStatistics t;
    const auto n = static_cast<std::int32_t>(draws.size());
    t.drawCount = n;
    std::array<std::int32_t, kMaxNumber + 1> last{};
    std::array<std::int32_t, kMaxNumber + 1> run{};
    std::int32_t p = n;
    for (const Draw& d : draws) {
        --p;
        for (int m = 1; m <= kMaxNumber; ++m)
            ++run[static_cast<std::size_t>(m)];
        for (auto v : d.numbers) {
            NumberRow& r = t.rows[v];
            ++r.outs;
            last[v] = p;
            // The run counted above includes this draw, which is no absence.
            const std::int32_t absent = run[v] - 1;
            if (absent > r.longestDelay)
                r.longestDelay = absent;
            run[v] = 0;
        }
    }
    for (int v = 1; v <= kMaxNumber; ++v) {
        NumberRow& r = t.rows[static_cast<std::size_t>(v)];
        if (r.outs == 0) {
            r.delay = n;
            continue;
        }
        r.delay = last[static_cast<std::size_t>(v)];
        r.mean = fixed4(static_cast<double>(n) / r.outs);
        r.cycle = fixed4(r.delay / (static_cast<double>(r.mean) / 10000.0));
    }
    return t;
}

int cycleClass(std::int64_t cycle) {
    return cycle < 10000 ? 0 : cycle < 20000 ? 1 : 2;
}

DelayFigures computeDelayFigures(const std::vector<Draw>& selection) {
    const std::size_t skip =
        selection.size() > DelayFigures::kWindow ? selection.size() - DelayFigures::kWindow : 0;
    const std::vector<Draw> window(selection.begin() + static_cast<std::ptrdiff_t>(skip),
                                   selection.end());
    DelayFigures f;
    f.numbers = computeNumberStatistics(window);
    const auto n = static_cast<std::int32_t>(window.size());
    for (int v = 1; v <= kMaxNumber; ++v) {
        NumberRow& r = f.numbers.rows[static_cast<std::size_t>(v)];
        if (r.outs == 0)
            continue;
        const double mean = static_cast<double>(n) / r.outs;
        r.mean = hundredths(mean);
        r.cycle = hundredths(r.delay / mean);
        f.percentOut[static_cast<std::size_t>(v)] = hundredths(r.outs * 100.0 / n);
    }
    f.pairDelay.fill(n);
    for (std::int32_t i = 0; i < n; ++i) {
        const Column& c = window[static_cast<std::size_t>(i)].numbers;
        for (std::size_t a = 0; a < kColumnSize; ++a)
            for (std::size_t b = a + 1; b < kColumnSize; ++b)
                f.pairDelay[static_cast<std::size_t>(c[a]) * 100 + c[b]] = n - 1 - i;
    }
    return f;
}

} // namespace varnelo

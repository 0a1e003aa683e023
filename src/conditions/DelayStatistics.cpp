#include "conditions/DelayStatistics.h"

#include "conditions/DelayConditions.h"

#include <algorithm>

namespace varnelo {

namespace {

// Values every draw by valueOf(tables before the draw, draw).
template <typename ValueOf>
std::vector<std::int64_t> valuesBefore(std::span<const Column> draws, ValueOf valueOf) {
    DelayTables t;
    std::vector<std::int64_t> out;
    out.reserve(draws.size());
    for (const Column& c : draws) {
        out.push_back(valueOf(t, c));
        t.add(c);
    }
    return out;
}

ValueStatistics statisticsOf(const std::vector<std::int64_t>& values, int min, int max) {
    ValueStatistics s(min, max);
    for (const std::int64_t v : values)
        s.add(v > max ? max + 1 : static_cast<int>(v));
    return s;
}

} // namespace

ValueStatistics amboStatistics(std::span<const Column> draws, int row) {
    const auto v = valuesBefore(
        draws, [row](const DelayTables& t, const Column& c) { return amboValue(row, c, t); });
    return statisticsOf(v, 0, 5000);
}

ValueStatistics ritardiVariStatistics(std::span<const Column> draws, int row) {
    const auto v = valuesBefore(draws, [row](const DelayTables& t, const Column& c) {
        return ritardiVariValue(row, c, t) / 10000;
    });
    const int max = v.empty() ? 0 : static_cast<int>(*std::max_element(v.begin(), v.end()));
    return statisticsOf(v, 0, max);
}

LatestDrawFigures latestDrawFigures(std::span<const Column> draws) {
    LatestDrawFigures f;
    if (draws.empty())
        return f;
    DelayTables t;
    for (const Column& c : draws.first(draws.size() - 1))
        t.add(c);
    const Column& last = draws.back();
    for (int r = 0; r < 11; ++r)
        f.ambo[static_cast<std::size_t>(r)] = amboValue(r, last, t);
    for (std::size_t k = 0; k < 5; ++k) {
        f.ambata[k] = t.delay(last[k]);
        f.ambataTotal += f.ambata[k];
    }
    return f;
}

} // namespace varnelo

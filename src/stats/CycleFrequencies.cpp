#include "stats/CycleFrequencies.h"

#include <algorithm>

namespace varnelo {

CycleFrequencies computeCycleFrequencies(const std::vector<Draw>& draws, std::int32_t cycleLength,
                                         std::int32_t maxCycles) {
    CycleFrequencies f;
    f.cycleLength = std::max(cycleLength, 1);
    auto end = static_cast<std::int32_t>(draws.size());
    while (end > 0 && static_cast<std::int32_t>(f.cycles.size()) < maxCycles) {
        CycleFrequencies::Cycle c;
        c.first = std::max(end - f.cycleLength, 0);
        c.count = end - c.first;
        for (std::int32_t i = c.first; i < end; ++i)
            for (auto n : draws[static_cast<std::size_t>(i)].numbers)
                ++c.outs[n];
        f.cycles.push_back(c);
        end = c.first;
    }
    std::reverse(f.cycles.begin(), f.cycles.end());
    return f;
}

StatTable cycleFrequencyTable(const CycleFrequencies& f, const std::vector<Draw>& draws) {
    StatTable t;
    t.title = "Frequenza in cicli di " + std::to_string(f.cycleLength) + " concorsi";
    t.heads.push_back("Val");
    for (const auto& c : f.cycles)
        t.heads.push_back(draws[static_cast<std::size_t>(c.first + c.count - 1)].date());
    t.heads.insert(t.heads.end(), {"Totale", "Cicli con uscita", "Cicli di ritardo"});
    for (std::size_t n = 1; n <= kMaxNumber; ++n) {
        StatRow row{StatCell::integer(static_cast<std::int64_t>(n))};
        std::int32_t total = 0;
        std::int32_t withOuts = 0;
        for (const auto& c : f.cycles) {
            row.push_back(StatCell::integer(c.outs[n]));
            total += c.outs[n];
            withOuts += c.outs[n] > 0 ? 1 : 0;
        }
        std::int32_t missed = 0;
        for (auto c = f.cycles.rbegin(); c != f.cycles.rend() && c->outs[n] == 0; ++c)
            ++missed;
        row.push_back(StatCell::integer(total));
        row.push_back(StatCell::integer(withOuts));
        row.push_back(StatCell::integer(missed));
        t.rows.push_back(std::move(row));
    }
    return t;
}

} // namespace varnelo

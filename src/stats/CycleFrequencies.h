#pragma once

#include "core/DrawLine.h"
#include "stats/StatTable.h"

#include <array>
#include <vector>

namespace varnelo {

// The selection cut into cycles of a fixed number of draws, counted back from
// the newest draw so that the newest cycle is whole; only the oldest cycle
// shown may be shorter, when the selection runs out.
struct CycleFrequencies {
    struct Cycle {
        std::int32_t first = 0; // index of its oldest draw in the selection
        std::int32_t count = 0; // its draws
        std::array<std::int32_t, kMaxNumber + 1> outs{};
    };
    std::int32_t cycleLength = 0;
    std::vector<Cycle> cycles; // oldest first
};

CycleFrequencies computeCycleFrequencies(const std::vector<Draw>& draws, std::int32_t cycleLength,
                                         std::int32_t maxCycles);

// "Val", one column per cycle headed by the date of its newest draw, then
// "Totale", "Cicli con uscita" and "Cicli di ritardo" (whole newest cycles
// in a row without the number).
StatTable cycleFrequencyTable(const CycleFrequencies& f, const std::vector<Draw>& draws);

} // namespace varnelo

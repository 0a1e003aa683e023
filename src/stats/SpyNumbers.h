#pragma once

#include "core/DrawLine.h"
#include "stats/StatTable.h"

#include <array>
#include <vector>

namespace varnelo {

// What followed a number: over the draws that contain `spy` and have a next
// draw, how often each number came out in that next draw.
struct SpyNumbers {
    int spy = 0;
    std::int32_t occasions = 0;
    std::array<std::int32_t, kMaxNumber + 1> followers{};
    // Outs of each number over the whole selection, for the comparison.
    std::array<std::int32_t, kMaxNumber + 1> outs{};
    std::int32_t drawCount = 0;
};

SpyNumbers computeSpyNumbers(const std::vector<Draw>& draws, int spy);

// "Val", "Dopo la spia", "% dopo la spia", "% in tutti", "Scarto %", most
// frequent followers first (ties by number).
StatTable spyTable(const SpyNumbers& s);

} // namespace varnelo

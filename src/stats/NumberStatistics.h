#pragma once

#include "core/DrawLine.h"

#include <array>
#include <cstdint>
#include <vector>

namespace varnelo {

// One row of the per-number table `MSFrequenza`. Ratios are fixed point with
// four decimals (value × 10000).
struct NumberRow {
    std::int32_t outs = 0;         // "Usciti"
    std::int64_t mean = 0;         // "Frequenza": N / outs, 0 when never out
    std::int32_t delay = 0;        // "Ritardo": N when never out
    std::int32_t longestDelay = 0; // "Rit.Max": only runs that ended with an appearance
    std::int64_t cycle = 0;        // "Ciclo": delay / mean, 0 when never out
    bool operator==(const NumberRow&) const = default;
};

struct NumberStatistics {
    std::int32_t drawCount = 0;                   // N
    std::array<NumberRow, kMaxNumber + 1> rows{}; // 1..49
};

// The table over the given draws, oldest first (the statistics selection).
NumberStatistics computeNumberStatistics(const std::vector<Draw>& draws);

// Colour class of a "Ciclo": 0 below 1, 1 from 1 to below 2, 2 from 2 up.
int cycleClass(std::int64_t cycle);

// The per-number and pair tables of the delay conditions: over the newest
// 5000 draws of the selection, ratios rounded to two decimals (still stored
// × 10000).
struct DelayFigures {
    static constexpr std::size_t kWindow = 5000;
    NumberStatistics numbers;
    std::array<std::int64_t, kMaxNumber + 1> percentOut{}; // "%Uscita"
    // Pair a < b at a × 100 + b: draws since the two last came out together.
    std::array<std::int32_t, 50 * 100 + 50 + 1> pairDelay{};
};
DelayFigures computeDelayFigures(const std::vector<Draw>& selection);

} // namespace varnelo

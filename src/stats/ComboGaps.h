#pragma once

#include "core/DrawLine.h"
#include "stats/Gaps.h"
#include "stats/StatTable.h"

#include <vector>

namespace varnelo {

// A pair or triple of values with its gaps over the selection.
struct ComboGaps {
    std::vector<int> values; // ascending
    Gaps gaps;
};

// All 1,176 pairs of numbers, in ascending order of the pairs.
std::vector<ComboGaps> computePairGaps(const std::vector<Draw>& draws);
// All 18,424 triples of numbers, in ascending order of the triples.
std::vector<ComboGaps> computeTripleGaps(const std::vector<Draw>& draws);
// All 45 pairs of Numeroni 1..10 (a draw with the same Numerone twice has no pair).
std::vector<ComboGaps> computeNumeronePairGaps(const std::vector<Draw>& draws);

// "Ambo" or "Terno" and the figures of `gapRow`.
StatTable comboTable(const std::string& title, const std::string& first,
                     const std::vector<ComboGaps>& combos, std::int32_t drawCount);

} // namespace varnelo

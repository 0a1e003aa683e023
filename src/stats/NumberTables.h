#pragma once

#include "stats/PositionDelays.h"

#include <vector>

namespace varnelo {

// "Frequenza dei 49 Numeri" (and of the Numeroni): "Val", "Usciti",
// "% Concorsi", "Attese" (draws × values per draw / values), "Scarto"
// (outs minus expected).
StatTable frequencyTable(const PositionDelays& delays);

// The `count` numbers with the highest current delay, ties by the higher
// "Ciclo", then by the smaller number.
std::vector<int> mostDelayedNumbers(const PositionDelays& delays, int count);
// Their rows of the per-value delay table, in that order.
StatTable mostDelayedTable(const PositionDelays& delays, const std::vector<int>& numbers);

} // namespace varnelo

#pragma once

#include "conditions/ConditionStatistics.h"
#include "conditions/DelayTables.h"

#include <array>
#include <span>
#include <vector>

namespace varnelo {

// The archive panels of the delay windows value every draw with the figures
// as they stood before it: the walk adds the draws one by one. "Somma
// Ambata" is walked by slotStatistics().

// "Ritardo Ambi" row 0..10: the pair delays, values 0..5000.
ValueStatistics amboStatistics(std::span<const Column> draws, int row);
// "Ritardi Vari" row 0..5: the whole part of the row's sum, over the values that occur.
ValueStatistics ritardiVariStatistics(std::span<const Column> draws, int row);

// "Ultima Colonna di Ricerca ": the latest draw valued before it came.
struct LatestDrawFigures {
    std::array<std::int64_t, 11> ambo{};  // "Tot. Ambi = ", "Ambo 1-2 = " .. "Ambo 4-5 = "
    std::array<std::int32_t, 5> ambata{}; // "1° Ambata = " .. "5° Ambata = "
    std::int64_t ambataTotal = 0;
};
LatestDrawFigures latestDrawFigures(std::span<const Column> draws);

} // namespace varnelo

#pragma once

#include "core/DrawLine.h"
#include "stats/Gaps.h"
#include "stats/StatTable.h"

#include <vector>

namespace varnelo {

// Which values of a draw a table follows.
enum class DrawPart { Numbers, Numeroni };

// Delays by value over the whole draw and by position in the draw: the
// numbers sorted ascending (1° the smallest), the Numeroni as drawn.
struct PositionDelays {
    DrawPart part = DrawPart::Numbers;
    std::int32_t drawCount = 0;
    // [0] anywhere in the draw, [p] at position p; then by value (0 unused).
    std::vector<std::vector<Gaps>> byPosition;

    int maxValue() const;
    int positions() const;
};

PositionDelays computePositionDelays(const std::vector<Draw>& draws, DrawPart part);

// "Tutte le posizioni", then one table per position.
std::vector<StatTable> positionDelayTables(const PositionDelays& delays);

// The row of a table over values: "Val", "Usciti", "Frequenza", "Ritardo",
// "Rit.Max", "Ciclo", for any key shown as `label`.
std::vector<std::string> gapHeads(const std::string& first);
StatRow gapRow(StatCell label, const Gaps& gaps, std::int32_t drawCount);

} // namespace varnelo

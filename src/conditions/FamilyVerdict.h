#pragma once

#include "conditions/ConditionSet.h"

#include <array>
#include <cstdint>

namespace varnelo {

// Passes on recovery that one column collects, per level 0..40; level 0 is
// "no level" and is never judged.
using LevelCounters = std::array<std::int32_t, kLevelCount + 1>;

// A value-condition cell judging a value: false for a white cell (or a value
// outside the row); a red cell passes and adds one pass to its level.
bool judgeCell(const ConditionSet& set, int slot, int value, LevelCounters& counters);

// A row of intervals judging a value, the shape the sum quadro, "Ritardi
// Vari" and the ambo delays share: the first admitted interval that holds
// the value passes; otherwise a recovery interval that holds it passes and
// charges its level; an interval is in use when its upper bound is above 0.
struct Interval {
    std::int64_t min = 0;
    std::int64_t max = 0;
    bool inUse() const { return max > 0; }
    bool holds(std::int64_t v) const { return inUse() && min <= v && v <= max; }
    bool inverted() const { return inUse() && max < min; }
    bool operator==(const Interval&) const = default;
};

enum class RowVerdict { Pass, Recovery, Fail };

} // namespace varnelo

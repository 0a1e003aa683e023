#pragma once

#include "conditions/Metrics.h"
#include "conditions/Sequele.h"

namespace varnelo {

// "Somma Ambata": slot 141, values 0..210.
inline constexpr int kAmbataSlot = 141;
inline constexpr int kAmbataMax = 210;

// Slots whose value comes from the specialised families with a row of cells
// in the condition set: sequele, positional parity, digits, decades and units, remainders,
// baricentre and the ambata delay sum.
bool isFamilySlot(int slot);

// The value a family slot looks up for a column; -1 when the slot does not
// judge the column (the ambata sum beyond 210, or a slot of another unit).
int familySlotValue(int slot, const Column& c, const MetricContext& ctx,
                    const SequelePatterns& sequele);

} // namespace varnelo

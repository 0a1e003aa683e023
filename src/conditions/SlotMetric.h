#pragma once

#include "conditions/Metrics.h"

namespace varnelo {

// Catalogue code a slot stands for (slots 1..22, 34..41, 45..50, 62..64), or 0.
int catalogueCodeOfSlot(int slot);

// Whether the slot's value comes from the shape metrics of this unit
// (catalogue, sums, distances, positions, distances between positions);
// the slots of the other families are valued by their own units.
bool isShapeSlot(int slot);

// The value a shape slot's condition looks up for a column; -1 for any other slot.
int shapeSlotValue(int slot, const Column& c, const MetricContext& ctx);

} // namespace varnelo

#include "conditions/SlotMetric.h"

namespace varnelo {

int catalogueCodeOfSlot(int slot) {
    if (slot >= 1 && slot <= 22)
        return slot;
    if (slot >= 34 && slot <= 41)
        return slot - 11;
    if (slot >= 45 && slot <= 50)
        return slot - 11;
    if (slot >= 62 && slot <= 64)
        return slot - 22;
    return 0;
}

bool isShapeSlot(int slot) {
    return catalogueCodeOfSlot(slot) != 0 || (slot >= 111 && slot <= 123) ||
           (slot >= 145 && slot <= 154);
}

int shapeSlotValue(int slot, const Column& c, const MetricContext& ctx) {
    if (const int code = catalogueCodeOfSlot(slot))
        return metricValue(code, c, ctx);
    if (slot >= 111 && slot <= 114)
        return sumMetric(static_cast<Sum>(slot - 111), c, ctx);
    if (slot >= 115 && slot <= 118)
        return distanceMetric(static_cast<Distance>(slot - 115), c);
    if (slot >= 119 && slot <= 123)
        return positionValue(c, slot - 118);
    if (slot >= 145 && slot <= 154) {
        const auto [i, j] = betweenPair(slot - 145);
        return distanceBetween(c, i, j);
    }
    return -1;
}

} // namespace varnelo

#include "conditions/SlotStatistics.h"

#include "conditions/ConditionSet.h"
#include "conditions/DelayTables.h"
#include "conditions/FamilySlotMetric.h"
#include "conditions/SlotMetric.h"

namespace varnelo {

ValueStatistics slotStatistics(int slot, std::span<const Column> draws, const MetricContext& ctx,
                               const SequelePatterns& sequele) {
    const ValueRange range = slotValueRange(slot);
    const bool delaySum = slot == 114 || slot == kAmbataSlot;
    DelayTables running;
    std::array<int, kMaxNumber + 1> delays{};
    MetricContext walk = ctx;
    if (delaySum)
        walk.delays = &delays;
    return walkStatistics(draws, range.min, range.max, [&](const Column& c, std::size_t) {
        if (delaySum) {
            for (int n = 1; n <= kMaxNumber; ++n)
                delays[static_cast<std::size_t>(n)] = running.delay(n);
            running.add(c);
        }
        if (catalogueCodeOfSlot(slot) == 14)
            return archiveBridgeCount(c);
        if (isShapeSlot(slot))
            return shapeSlotValue(slot, c, walk);
        return familySlotValue(slot, c, walk, sequele);
    });
}

std::vector<std::int64_t> slotColumnCounts(int slot, const ColumnStore& columns,
                                           const MetricContext& ctx,
                                           const SequelePatterns& sequele) {
    const ValueRange range = slotValueRange(slot);
    std::vector<std::int64_t> counts(static_cast<std::size_t>(range.max - range.min + 1), 0);
    for (std::int32_t i = 1; i <= columns.storedCount; ++i) {
        const Column c = columns.column(i);
        const int v = isShapeSlot(slot) ? shapeSlotValue(slot, c, ctx)
                                        : familySlotValue(slot, c, ctx, sequele);
        if (v >= range.min && v <= range.max)
            ++counts[static_cast<std::size_t>(v - range.min)];
    }
    return counts;
}

} // namespace varnelo

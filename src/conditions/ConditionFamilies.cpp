#include "conditions/ConditionFamilies.h"

namespace varnelo {

namespace {

void addRows(const DelayRows& rows, std::array<bool, kLevelCount + 1>& seen) {
    for (const IntervalRow& r : rows.rows)
        if (r.recovery.inUse())
            seen[r.level] = true;
}

} // namespace

void addFamilyLevels(const ConditionSet& set, const ConditionFamilies& f,
                     std::array<int, kLevelCount + 1>& use) {
    auto count = [&use](const std::array<bool, kLevelCount + 1>& seen) {
        for (int l = 1; l <= kLevelCount; ++l)
            use[static_cast<std::size_t>(l)] += seen[static_cast<std::size_t>(l)];
    };
    if (set.isActive(kSumQuadroSlot)) {
        std::array<bool, kLevelCount + 1> seen{};
        for (const SumRow& r : f.sums.rows)
            for (const OrSlot& s : r.slots)
                if (s.recovery.inUse())
                    seen[s.level] = true;
        count(seen);
    }
    if (set.isActive(kRitardiVariSlot)) {
        std::array<bool, kLevelCount + 1> seen{};
        addRows(f.ritardiVari, seen);
        count(seen);
    }
    if (set.isActive(kAmboSlot)) {
        std::array<bool, kLevelCount + 1> seen{};
        addRows(f.ambo, seen);
        count(seen);
    }
}

} // namespace varnelo

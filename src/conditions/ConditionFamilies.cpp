#include "conditions/ConditionFamilies.h"

#include <algorithm>

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

bool familyInPlay(const ConditionSet& set, const ConditionFamilies& f, int family) {
    const std::string_view name = families()[static_cast<std::size_t>(family)].name;
    auto anyRow = [](const DelayRows& rows) {
        return std::any_of(rows.rows.begin(), rows.rows.end(),
                           [](const IntervalRow& r) { return r.inUse(); });
    };
    if (name == "Somme + Picchetto")
        return set.isActive(kSumQuadroSlot) && !f.sums.rows.empty();
    if (name == "Ritardi Vari")
        return set.isActive(kRitardiVariSlot) && anyRow(f.ritardiVari);
    if (name == "Ritardo Ambi")
        return set.isActive(kAmboSlot) && anyRow(f.ambo);
    if (name == "Quadri And Or")
        return f.andOr.anyActive();
    if (name == "Colonne filtro And")
        return f.filtersInPlay();
    return familyInPlay(set, family);
}

} // namespace varnelo

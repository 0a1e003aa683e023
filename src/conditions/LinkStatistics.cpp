#include "conditions/LinkStatistics.h"

#include "conditions/SlotMetric.h"

#include <cstdio>

namespace varnelo {

namespace {

std::vector<int> evaluatedSlots(const ConditionSet& set, const GroupTable& table, int group) {
    std::vector<int> slots;
    for (int s = 1; s <= kSlotCount; ++s)
        if (table.holds(group, s) && set.isActive(s) && isShapeSlot(s))
            slots.push_back(s);
    return slots;
}

void add(std::vector<std::int32_t>& counts, std::size_t row) {
    if (counts.size() <= row)
        counts.resize(row + 1, 0);
    ++counts[row];
}

} // namespace

double GroupTally::share(std::size_t i) const {
    return draws > 0 && i < counts.size() ? counts[i] * 100.0 / draws : 0.0;
}

std::string GroupTally::percentText(std::size_t i) const {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", share(i));
    return text;
}

GroupTally tallyLink(const ConditionSet& set, const GroupTable& links, int link,
                     const std::vector<Column>& draws, const MetricContext& ctx) {
    const std::vector<int> slots = evaluatedSlots(set, links, link);
    GroupTally t;
    t.counts.assign(kSlotCount + 1, 0);
    for (const Column& c : draws) {
        int errors = 0;
        for (int s : slots)
            errors += set.effectiveStatus(s, shapeSlotValue(s, c, ctx)) == CellStatus::NotAdmitted;
        add(t.counts, slots.size() - static_cast<std::size_t>(errors));
        t.wrongConditions += errors;
        ++t.draws;
    }
    return t;
}

GroupTally tallyQuadro(const ConditionSet& set, const GroupTable& quadri, int quadro,
                       const std::vector<Column>& draws, const MetricContext& ctx) {
    const std::vector<int> slots = evaluatedSlots(set, quadri, quadro);
    GroupTally t;
    for (const Column& c : draws) {
        int score = 0;
        for (int s : slots) {
            const int v = shapeSlotValue(s, c, ctx);
            if (set.effectiveStatus(s, v) == CellStatus::NotAdmitted)
                ++t.wrongConditions;
            else
                score += v;
        }
        add(t.counts, static_cast<std::size_t>(score));
        ++t.draws;
    }
    return t;
}

} // namespace varnelo

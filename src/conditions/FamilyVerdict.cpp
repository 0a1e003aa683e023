#include "conditions/FamilyVerdict.h"

namespace varnelo {

bool judgeCell(const ConditionSet& set, int slot, int value, LevelCounters& counters) {
    const ValueCell c = set.cell(slot, value);
    switch (set.effectiveStatus(slot, value)) {
    case CellStatus::Admitted:
        return true;
    case CellStatus::Recovery:
        ++counters[c.level];
        return true;
    default:
        return false;
    }
}

} // namespace varnelo

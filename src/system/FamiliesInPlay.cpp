#include "system/FamiliesInPlay.h"

#include "conditions/ConditionFamilies.h"
#include "conditions/Levels.h"
#include "system/ProgramState.h"

#include <algorithm>
#include <string_view>

namespace varnelo {

bool familyChecked(const ProgramState& state, int family) {
    if (family < 0 || family >= kFamilyCount)
        return false;
    const std::string_view name = families()[static_cast<std::size_t>(family)].name;
    if (name == "Link")
        return state.links.table.groupsInUse() > 0;
    if (name == "Punti tra Condiz.")
        return state.quadri.table.groupsInUse() > 0;
    if (name == "Livelli") {
        LevelUse use = levelsInUse(state.conditions);
        addFamilyLevels(state.conditions, state.families, use);
        return std::any_of(use.begin() + 1, use.end(), [](int n) { return n > 0; });
    }
    return familyInPlay(state.conditions, state.families, family);
}

} // namespace varnelo

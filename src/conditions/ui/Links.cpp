#include "conditions/ui/Links.h"

#include "system/ProgramState.h"

#include <algorithm>

namespace varnelo::ui {

namespace {

// A link's errors can reach the number of conditions in play; the picker
// offers at least as many values as there are links.
int linkRangeHighest(const ConditionSet& set) {
    return std::max(kGroupCount, static_cast<int>(slotsInPlay(set).size()));
}

GroupKind linkKind() {
    return {.caption = "Link:",
            .number = "Link Numero = %1",
            .members = "Condizioni del Link:",
            .rangeCaption = "Errori ammessi nella  Link",
            .rangeHighest = linkRangeHighest,
            .overall = {{"CombTra", "Errori ammessi tra tutte le Link", kOverallExcessMax,
                         [](ProgramState& s) -> RangePair& { return s.links.overallExcess; }},
                        {"CombTraL", "Link Sbagliati:", kGroupCount,
                         [](ProgramState& s) -> RangePair& { return s.links.wrongLinks; }}},
            .erase = "Elimina Link",
            .statistics = "Statistiche del Link:",
            .tallyHeading = "Condizioni rispettate",
            .showsWrongCount = false,
            .family = "Link",
            .slotName = slotDisplayName,
            .tally = tallyLink,
            .openSession = [](ProgramState& s) -> std::unique_ptr<GroupSession> {
                return std::make_unique<GroupSessionOf<varnelo::Links>>(s.links, s.conditions);
            }};
}

} // namespace

Links::Links(Shell& shell) : GroupEditor(shell, "Links", {83, 85}, linkKind()) {}

} // namespace varnelo::ui

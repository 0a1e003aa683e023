#include "conditions/ui/LinksPunti.h"

#include "system/ProgramState.h"

namespace varnelo::ui {

namespace {

// A score adds up condition values (a sum alone reaches 254), so its
// pickers offer as many values as the overall excess.
int scoreHighest(const ConditionSet&) {
    return kOverallExcessMax;
}

GroupKind quadroKind() {
    return {.caption = "Punti tra Condizioni:",
            .number = "Quadro Numero = %1",
            .members = "Condizioni del Quadro:",
            .rangeCaption = "Punti Indovinati nella Link:",
            .rangeHighest = scoreHighest,
            .overall = {{"CombTraL", "Quadri Sbagliati:", kGroupCount,
                         [](ProgramState& s) -> RangePair& { return s.quadri.wrongQuadri; }}},
            .erase = "Elimina Quadro",
            .statistics = "Statistiche del Quadro:",
            .tallyHeading = "Punti",
            .showsWrongCount = true,
            .family = "Punti tra Condiz.",
            .slotName = quadroSlotDisplayName,
            .tally = tallyQuadro,
            .openSession = [](ProgramState& s) -> std::unique_ptr<GroupSession> {
                return std::make_unique<GroupSessionOf<Quadri>>(s.quadri, s.conditions);
            }};
}

} // namespace

LinksPunti::LinksPunti(Shell& shell) : GroupEditor(shell, "LinksPunti", {87, 89}, quadroKind()) {}

} // namespace varnelo::ui

#include "conditions/ui/ValueCellsAccept.h"

#include "system/ProgramState.h"
#include "ui/Avviso.h"

namespace varnelo {

std::optional<SlotEditor::Place> acceptValueCells(SlotEditor& session, ProgramState& state,
                                                  bool tablesChanged, QWidget* parent) {
    // "Sì": the player gives the level; "No": the red cell counts as blue.
    if (const auto place = session.redWithoutLevel();
        place && Avviso::ask(recoveryWithoutLevelNotice(), parent) == Avviso::Yes)
        return place;
    if (session.commit() || tablesChanged) {
        for (const int slot : session.slots())
            state.modifiedFamilies.markSlot(slot);
        state.modified = true;
    }
    return std::nullopt;
}

} // namespace varnelo

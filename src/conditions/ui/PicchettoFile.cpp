#include "conditions/ui/PicchettoFile.h"

#include "conditions/FamilyFiles.h"
#include "system/ProgramState.h"
#include "ui/Avviso.h"

namespace varnelo {

void rereadPicchetti(ProgramState& state, QWidget* parent) {
    const PicchettoTable before = state.families.picchetti;
    if (const auto bad = loadPicchetti(state.folder, state.families.picchetti))
        Avviso::ask(*bad, parent);
    if (!(before == state.families.picchetti)) {
        state.modifiedFamilies.markSlot(kSumQuadroSlot);
        state.modified = true;
    }
}

} // namespace varnelo

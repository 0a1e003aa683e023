#include "reduced/ui/GestRidottiP.h"

#include "reduced/ApplyReduced.h"
#include "system/ProgramState.h"
#include "ui/Avviso.h"
#include "ui/Shell.h"
#include "ui/Text.h"

namespace varnelo {

GestRidottiP::GestRidottiP(Shell& shell)
    : PersonalTableChooser(shell, "GestRidottiP", "Apertura: ridotti personali") {}

void GestRidottiP::openTable(const PersonalTable& table, const std::string& name) {
    const Selection& s = state().selection;
    const std::vector<int> fixed = s.fixedNumbers();
    AppliedReduced applied = applyPersonalTable(table, name, fixed, s.freeNumbers());
    if (applied.notice) {
        Avviso::ask(*applied.notice, this);
        return;
    }
    closeWindow();
    shell().developReduced(std::move(applied.columns), qs("Ridotto personale " + name));
}

} // namespace varnelo

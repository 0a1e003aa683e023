#include "reduced/ui/GestioneRidotto.h"

#include "reduced/ui/PersonalTableTarget.h"

namespace varnelo {

GestioneRidotto::GestioneRidotto(Shell& shell, PersonalTableTarget& editor)
    : PersonalTableChooser(shell, "GestioneRidotto", "Apertura, eliminazione, ridotti"),
      editor_(editor) {}

void GestioneRidotto::openTable(const PersonalTable& table, const std::string& name) {
    if (editor_.openTable(table, name))
        closeWindow();
}

} // namespace varnelo

#include "system/ProgramState.h"

#include "system/SystemName.h"

namespace varnelo {

ProgramState::ProgramState(ProgramFolder programFolder)
    : folder(std::move(programFolder)), systemName(firstFreeSystemName(folder)) {}

std::string ProgramState::caption() const {
    return "Programma del Varnelo   ...Nome sistema = " + systemName + ".cna";
}

bool ProgramState::forecastLocked() const {
    return forecastLock == "Blocca" || options.imported();
}

std::string ProgramState::finalCountText() const {
    return "Colonne finali = " + std::to_string(columns.finalCount);
}

} // namespace varnelo

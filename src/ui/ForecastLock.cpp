#include "ui/ForecastLock.h"

#include "system/ProgramState.h"
#include "ui/Avviso.h"

namespace varnelo {

bool refuseLockedForecast(const ProgramState& state, QWidget* parent) {
    if (!state.forecastLocked())
        return false;
    Avviso::ask({"Pronostico bloccato:",
                 {"Il pronostico è bloccato: i suoi numeri non si possono cambiare."}},
                parent);
    return true;
}

} // namespace varnelo

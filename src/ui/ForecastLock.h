#pragma once

class QWidget;

namespace varnelo {

struct ProgramState;

// True, after telling the player, when the forecast's numbers cannot change.
bool refuseLockedForecast(const ProgramState& state, QWidget* parent);

} // namespace varnelo

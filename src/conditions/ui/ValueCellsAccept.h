#pragma once

#include "conditions/SlotEditor.h"

#include <optional>

class QWidget;

namespace varnelo {

struct ProgramState;

// "OK" of a window of value cells. A red cell left without a level asks
// "Recupero Senza Livello:"; when the player wants to give the level, its
// place comes back and nothing is kept yet. Otherwise the edits are kept
// and, when they or the window's own tables (`tablesChanged`) changed
// anything, the families of the slots are marked as changed.
std::optional<SlotEditor::Place> acceptValueCells(SlotEditor& session, ProgramState& state,
                                                  bool tablesChanged, QWidget* parent);

} // namespace varnelo

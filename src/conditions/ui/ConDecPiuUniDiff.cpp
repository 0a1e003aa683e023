#include "conditions/ui/ConDecPiuUniDiff.h"

#include "conditions/DecadeConditions.h"

namespace varnelo {

// "Decine" and "Unità" are the catalogue's different decades and units digits.
ConDecPiuUniDiff::ConDecPiuUniDiff(Shell& shell)
    : ValueConditionEditor(
          shell, "ConDecPiuUniDiff", "Decine + Unita Differenti", {11, 13},
          {{45, "Decine"}, {62, "Unità"}, {kDecadesPlusUnitsSlot, "Totale Unità + Decine"}},
          "SDUD2") {}

} // namespace varnelo

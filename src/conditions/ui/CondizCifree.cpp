#include "conditions/ui/CondizCifree.h"

#include "conditions/DigitConditions.h"

namespace varnelo {

CondizCifree::CondizCifree(Shell& shell)
    : ValueConditionEditor(shell, "CondizCifree", "Numero di Cifre", {111, 113},
                           {{kDigitCountSlot, "Numero di Cifre"}}) {}

} // namespace varnelo

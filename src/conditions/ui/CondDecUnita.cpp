#include "conditions/ui/CondDecUnita.h"

#include "conditions/DecadeConditions.h"

namespace varnelo {

CondDecUnita::CondDecUnita(Shell& shell)
    : ValueConditionEditor(shell, "CondDecUnita", "Somma Decine e Unità:", {7, 9},
                           {{kDecadeSumSlot, "Somma Decine"},
                            {kDecadeSumSlot + 1, "Somma Unità"},
                            {kDecadeSumSlot + 2, "Somma Tot Dec. Uni."}},
                           "Sommduu") {}

} // namespace varnelo

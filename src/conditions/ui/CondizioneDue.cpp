#include "conditions/ui/CondizioneDue.h"

namespace varnelo {

CondizioneDue::CondizioneDue(Shell& shell)
    : ValueConditionEditor(shell, "CondizioneDue", "Somma:", {31, 33},
                           {{111, "Somma totale"},
                            {112, "Somma pari"},
                            {113, "Somma dispari"},
                            {114, "Somma Ritardi"}},
                           "Sommai") {}

} // namespace varnelo

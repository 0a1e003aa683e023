#include "conditions/ui/CondBaricentro.h"

namespace varnelo {

CondBaricentro::CondBaricentro(Shell& shell)
    : ValueConditionEditor(
          shell, "CondBaricentro", "Baricentro", {51, 53},
          {{125, "Baricentro Totale"}, {126, "Baricentro Pari"}, {127, "Baricentro Dispari"}},
          "BaCentroi") {}

} // namespace varnelo

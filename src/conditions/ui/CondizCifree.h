#pragma once

#include "conditions/ui/ValueConditionEditor.h"

namespace varnelo {

// "Numero di Cifre": how many different digits a column uses.
class CondizCifree : public ValueConditionEditor {
    Q_OBJECT
  public:
    explicit CondizCifree(Shell& shell);
};

} // namespace varnelo

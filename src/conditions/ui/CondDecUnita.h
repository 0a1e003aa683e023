#pragma once

#include "conditions/ui/ValueConditionEditor.h"

namespace varnelo {

// "Somma Decine e Unità:": the sums of the tens, of the units and of both.
class CondDecUnita : public ValueConditionEditor {
    Q_OBJECT
  public:
    explicit CondDecUnita(Shell& shell);
};

} // namespace varnelo

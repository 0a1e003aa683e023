#pragma once

#include "conditions/ui/ValueConditionEditor.h"

namespace varnelo {

// "Somma": the total, even, odd and delay sums of a column.
class CondizioneDue : public ValueConditionEditor {
    Q_OBJECT
  public:
    explicit CondizioneDue(Shell& shell);
};

} // namespace varnelo

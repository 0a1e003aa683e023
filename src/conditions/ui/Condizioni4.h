#pragma once

#include "conditions/ui/ValueConditionEditor.h"

namespace varnelo {

// "Distanza Tra Numeri": the gap between any two positions of the column.
class Condizioni4 : public ValueConditionEditor {
    Q_OBJECT
  public:
    explicit Condizioni4(Shell& shell);
};

} // namespace varnelo

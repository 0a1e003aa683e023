#pragma once

#include "conditions/ui/ValueConditionEditor.h"

namespace varnelo {

// "Casella": the number at each of the five positions of the column.
class Condizioni3 : public ValueConditionEditor {
    Q_OBJECT
  public:
    explicit Condizioni3(Shell& shell);
};

} // namespace varnelo

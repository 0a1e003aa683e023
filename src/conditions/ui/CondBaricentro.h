#pragma once

#include "conditions/ui/ValueConditionEditor.h"

namespace varnelo {

// "Baricentro": the integer mean of all, of the even and of the odd numbers.
class CondBaricentro : public ValueConditionEditor {
    Q_OBJECT
  public:
    explicit CondBaricentro(Shell& shell);
};

} // namespace varnelo

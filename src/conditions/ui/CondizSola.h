#pragma once

#include "conditions/ui/ValueConditionEditor.h"

namespace varnelo {

// "Gemelli": how many gaps of a column are equal to another.
class CondizSola : public ValueConditionEditor {
    Q_OBJECT
  public:
    explicit CondizSola(Shell& shell);
};

} // namespace varnelo

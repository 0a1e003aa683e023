#pragma once

#include "conditions/ui/ValueConditionEditor.h"

namespace varnelo {

// "Sequenze:": consecutive numbers, interruptions, sequences and symmetries.
class CondizSequenze : public ValueConditionEditor {
    Q_OBJECT
  public:
    explicit CondizSequenze(Shell& shell);
};

} // namespace varnelo

#pragma once

#include "conditions/ui/ValueConditionEditor.h"

namespace varnelo {

// "Resti": the remainder of the sum of a column divided by 2 .. 9.
class CondResti : public ValueConditionEditor {
    Q_OBJECT
  public:
    explicit CondResti(Shell& shell);
};

} // namespace varnelo

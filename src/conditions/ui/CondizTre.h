#pragma once

#include "conditions/ui/ValueConditionEditor.h"

namespace varnelo {

// "Pari e dispari:": how many of the five ordered positions follow each of
// eleven fixed even/odd patterns.
class CondizTre : public ValueConditionEditor {
    Q_OBJECT
  public:
    explicit CondizTre(Shell& shell);
};

} // namespace varnelo

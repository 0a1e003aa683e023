#pragma once

#include "conditions/ui/ValueConditionEditor.h"

namespace varnelo {

// "Decine + Unita Differenti": different decades, different units digits and their total.
class ConDecPiuUniDiff : public ValueConditionEditor {
    Q_OBJECT
  public:
    explicit ConDecPiuUniDiff(Shell& shell);
};

} // namespace varnelo

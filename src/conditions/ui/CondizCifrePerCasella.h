#pragma once

#include "conditions/ui/ValueConditionEditor.h"

namespace varnelo {

// "Posizione Unita e Decina:": the tens and the units digit of each position.
class CondizCifrePerCasella : public ValueConditionEditor {
    Q_OBJECT
  public:
    explicit CondizCifrePerCasella(Shell& shell);
};

} // namespace varnelo

#pragma once

#include "conditions/ui/ValueConditionEditor.h"

namespace varnelo {

// The six-valued metrics of parity, bridges, the vortex and consecutive totals; the menu item
// chooses which one shows.
class ConBuconero : public ValueConditionEditor {
    Q_OBJECT
  public:
    explicit ConBuconero(Shell& shell);
};

} // namespace varnelo

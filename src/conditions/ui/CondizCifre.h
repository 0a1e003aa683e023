#pragma once

#include "conditions/ui/ValueConditionEditor.h"

namespace varnelo {

// "Presenza Cifra:": how many times each digit 0..9 is written in a column.
class CondizCifre : public ValueConditionEditor {
    Q_OBJECT
  public:
    explicit CondizCifre(Shell& shell);
};

} // namespace varnelo

#pragma once

#include "conditions/ui/ValueConditionEditor.h"

namespace varnelo {

// "Distanza": the extreme, least, greatest and mean gaps of a column.
class CondizioniTre : public ValueConditionEditor {
    Q_OBJECT
  public:
    explicit CondizioniTre(Shell& shell);
};

} // namespace varnelo

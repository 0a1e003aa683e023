#include "conditions/ui/CondizSola.h"

namespace varnelo {

CondizSola::CondizSola(Shell& shell)
    : ValueConditionEditor(shell, "CondizSola", "Gemelli", {55, 57}, {{12, "Gemelli"}}) {}

} // namespace varnelo

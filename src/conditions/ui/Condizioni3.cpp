#include "conditions/ui/Condizioni3.h"

namespace varnelo {

Condizioni3::Condizioni3(Shell& shell)
    : ValueConditionEditor(shell, "Condizioni3", "Casella:", {35, 37},
                           {{119, "1° Casella"},
                            {120, "2° Casella"},
                            {121, "3° Casella"},
                            {122, "4° Casella"},
                            {123, "5° Casella"}},
                           "Attivacc") {}

} // namespace varnelo

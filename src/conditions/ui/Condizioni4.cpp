#include "conditions/ui/Condizioni4.h"

namespace varnelo {

Condizioni4::Condizioni4(Shell& shell)
    : ValueConditionEditor(shell, "Condizioni4", "Distanza Tra Numeri:", {43, 45},
                           {{145, "dal N° 1 al N° 2"},
                            {146, "dal N° 1 al N° 3"},
                            {147, "dal N° 1 al N° 4"},
                            {148, "dal N° 1 al N° 5"},
                            {149, "dal N° 2 al N° 3"},
                            {150, "dal N° 2 al N° 4"},
                            {151, "dal N° 2 al N° 5"},
                            {152, "dal N° 3 al N° 4"},
                            {153, "dal N° 3 al N° 5"},
                            {154, "dal N° 4 al N° 5"}}) {}

} // namespace varnelo

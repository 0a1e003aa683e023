#include "conditions/ui/ConBuconero.h"

namespace varnelo {

ConBuconero::ConBuconero(Shell& shell)
    : ValueConditionEditor(shell, "ConBuconero", "Condizioni:", {63, 65},
                           {{1, "Pari"},
                            {3, "Dispari"},
                            {2, "Pari consecutivi"},
                            {4, "Dispari consecutivi"},
                            {19, "Distanze pari"},
                            {20, "Distanze dispari"},
                            {21, "Gruppi pari"},
                            {22, "Gruppi dispari"},
                            {13, "Ponte"},
                            {14, "Ponte Passo n"},
                            {34, "Vortice diretto"},
                            {35, "Bracci diretto"},
                            {36, "Vortice inverso"},
                            {37, "Bracci inverso"},
                            {63, "Consecutivita Tot"},
                            {64, "Consecutivita Max"}}) {}

} // namespace varnelo

#include "conditions/ui/CondizSequenze.h"

namespace varnelo {

CondizSequenze::CondizSequenze(Shell& shell)
    : ValueConditionEditor(shell, "CondizSequenze", "Sequenze:", {59, 61},
                           {{7, "Consecutivi 2"},
                            {8, "Consecutivi 2 P.n"},
                            {6, "Consecutivi 3"},
                            {5, "Consecutivi 4"},
                            {15, "Interruzioni"},
                            {16, "Interruzioni pari"},
                            {17, "Interruzioni dispari"},
                            {18, "Interruzioni consecutivi"},
                            {38, "Sequenze uno"},
                            {39, "Sequenze due"},
                            {40, "Sequenze tre"},
                            {41, "Sequenze quattro"},
                            {9, "Simmetrie totale"},
                            {10, "Simmetrie diretta"},
                            {11, "Simmetrie inversa"}},
                           "Seq33") {}

} // namespace varnelo

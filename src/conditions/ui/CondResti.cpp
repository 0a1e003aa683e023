#include "conditions/ui/CondResti.h"

namespace varnelo {

CondResti::CondResti(Shell& shell)
    : ValueConditionEditor(shell, "CondResti", "Resti", {47, 49},
                           {{100, "Diviso 2"},
                            {101, "Diviso 3"},
                            {102, "Diviso 4"},
                            {103, "Diviso 5"},
                            {104, "Diviso 6"},
                            {105, "Diviso 7"},
                            {106, "Diviso 8"},
                            {107, "Diviso 9"}},
                           "Restiaa") {}

} // namespace varnelo

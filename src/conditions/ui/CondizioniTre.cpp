#include "conditions/ui/CondizioniTre.h"

namespace varnelo {

CondizioniTre::CondizioniTre(Shell& shell)
    : ValueConditionEditor(shell, "CondizioniTre", "Distanza:", {39, 41},
                           {{115, "Distanza estrema"},
                            {116, "Distanza minima"},
                            {117, "Distanza massima"},
                            {118, "Distanza Media"}},
                           "Distanzai") {
    setScope(Scope::Marked);
}

} // namespace varnelo

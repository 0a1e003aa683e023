#pragma once

#include "core/Notice.h"

namespace varnelo {

// What a command reports when memory runs out: the command stops, and as
// every file is replaced only once written in full, none is left half-done.
inline Notice outOfMemoryNotice() {
    return Notice{"Poca memoria:",
                  {"Memoria insufficiente per completare l'operazione.",
                   "L'operazione e stata interrotta, i file non sono stati modificati."}};
}

} // namespace varnelo

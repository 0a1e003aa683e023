#pragma once

#include "checking/SavedSystems.h"
#include "core/ProgramFolder.h"

namespace varnelo {

// The check of every saved system against the combination: each columns
// file of qor/ by name, read up to the system total of its settings file,
// its bets split by the Numeroni the system chose. A system that cannot be
// read gets its row with the reason and the run goes on.
SavedSystemsCheck checkSavedSystems(const ProgramFolder& folder, const Combination& combination,
                                    Progress& progress);

} // namespace varnelo

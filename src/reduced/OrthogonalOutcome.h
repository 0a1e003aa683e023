#pragma once

#include "reduced/OrthogonalDevelopment.h"

#include <string>
#include <vector>

namespace varnelo {

// The end of an orthogonal development as the player reads it, and whether
// the system takes its columns.
struct OrthogonalOutcome {
    std::vector<std::string> lines;
    bool takeColumns = false;
};

// A list is handed to the system only when it finished and its guarantee
// was checked: a stopped walk, a damaged table or a failed check leave the
// system as it was.
OrthogonalOutcome orthogonalOutcome(const OrthogonalRun& run, int option);

} // namespace varnelo

#pragma once

#include "core/Notice.h"
#include "system/ProgramState.h"

#include <vector>

namespace varnelo {

// Everything that follows the statistics selection: the archive figures,
// the delay tables of the delay conditions, the K of the comparison draws.
// Called at start-up and after every change of the archive or the selection.
std::vector<Notice> refreshArchiveTables(ProgramState& state);

// Start-up: the temporary files earlier runs left, the settings files, then
// the tables of the statistics selection.
std::vector<Notice> loadStartupFiles(ProgramState& state);

} // namespace varnelo

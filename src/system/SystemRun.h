#pragma once

#include "engine/DevelopmentRun.h"
#include "engine/RunContext.h"
#include "system/ProgramState.h"

#include <memory>

namespace varnelo {

// The engine's input for the current system. Links and quadri without a
// group in use are cleared first, as the engine expects them.
RunInput runInput(ProgramState& state);

// The tables from outside the column for a run of the current system.
std::unique_ptr<RunContext> makeRunContext(const ProgramState& state);

// Puts the counts of a run into the column list's counters.
void takeRunCounts(ColumnStore& columns, const RunResult& result);

// Develops the current system into its column list.
RunResult developSystem(ProgramState& state, const RunOptions& options, RunProgress& progress);

// The same pipeline over given columns (the rows of a reduced table, or the
// columns of a saved system), in their order.
RunResult developColumns(ProgramState& state, const std::vector<Column>& source,
                         const RunOptions& options, RunProgress& progress);

// Filters the saved columns of the current system (`qor/` + name + `.cna`)
// through the conditions, in file order. A system without a saved columns
// file ends with a notice and changes nothing.
RunResult recalculateSystem(ProgramState& state, const RunOptions& options, RunProgress& progress);

} // namespace varnelo

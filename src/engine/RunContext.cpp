#include "engine/RunContext.h"

#include "conditions/ComparisonDraws.h"
#include "conditions/DelayTables.h"
#include "conditions/FamilyFiles.h"
#include "core/Delays.h"
#include "core/ProgramState.h"

namespace varnelo {

RunContext::RunContext(const ProgramState& state) {
    int place = 0;
    for (int n : state.selection.chosenNumbers())
        forecastRank[static_cast<std::size_t>(n)] = ++place;
    std::vector<Column> draws;
    draws.reserve(state.archive.selection.size());
    for (const Draw& d : state.archive.selection)
        draws.push_back(d.numbers);
    comparison = comparisonNumbers(draws, state.families.comparisonDraws);
    metrics.forecastRank = &forecastRank;
    metrics.comparison = &comparison;
    metrics.delays = &state.archive.delays;
}

std::vector<Notice> refreshArchiveTables(ProgramState& state) {
    std::vector<Notice> notices = refreshArchiveFigures(state.folder, state.archive);
    rebuildDelayTables(state.delayTables, state.archive.selection);
    if (auto notice = loadComparisonDraws(state.folder, state.families.comparisonDraws))
        notices.push_back(std::move(*notice));
    return notices;
}

} // namespace varnelo

#include "system/SystemRun.h"

#include "engine/Recalculation.h"

namespace varnelo {

RunInput runInput(ProgramState& state) {
    state.links.prepareForRun();
    state.quadri.prepareForRun();
    return RunInput{.chosen = state.selection.chosenNumbers(),
                    .fixed = state.selection.fixedNumbers(),
                    .options = state.options,
                    .shuffle = state.settings.shuffle,
                    .conditions = state.conditions,
                    .links = state.links,
                    .quadri = state.quadri,
                    .levels = state.levels,
                    .families = &state.families,
                    .delayTables = &state.delayTables,
                    .overflowFile = state.folder.path("qor/qor.qor"),
                    .distribution = &state.distribution,
                    .familyDistribution = &state.familyDistribution};
}

std::unique_ptr<RunContext> makeRunContext(const ProgramState& state) {
    return std::make_unique<RunContext>(state.selection, state.archive,
                                        state.families.comparisonDraws);
}

void takeRunCounts(ColumnStore& columns, const RunResult& r) {
    if (r.failure || r.cancelled)
        return;
    columns.storedCount = r.inMemory;
    columns.systemTotal = r.total;
    columns.developedCount = r.conditioned;
    columns.finalCount = r.finalCount;
    columns.hasColumns = r.total > 0;
}

RunResult developSystem(ProgramState& state, const RunOptions& options, RunProgress& progress) {
    const RunResult r = developNumbers(runInput(state), state.columns, options, progress);
    takeRunCounts(state.columns, r);
    return r;
}

RunResult developColumns(ProgramState& state, const std::vector<Column>& source,
                         const RunOptions& options, RunProgress& progress) {
    const RunResult r = developRows(runInput(state), source, state.columns, options, progress);
    takeRunCounts(state.columns, r);
    return r;
}

RunResult recalculateSystem(ProgramState& state, const RunOptions& options, RunProgress& progress) {
    std::vector<Column> saved;
    Notice notice;
    if (!readColumnsFile(state.folder.path("qor/" + state.systemName + ".cna"), saved, notice)) {
        RunResult r;
        r.failure = notice;
        return r;
    }
    return developColumns(state, saved, options, progress);
}

} // namespace varnelo

#pragma once

#include "conditions/Metrics.h"
#include "core/Notice.h"
#include "engine/RunProgress.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace varnelo {

struct ProgramState;
class ColumnStore;

// Receives the conditioned columns of an orthogonal development, in order,
// before each is stored.
class OrthogonalDevelopment {
  public:
    virtual ~OrthogonalDevelopment() = default;
    virtual void take(const Column& c, int guaranteeKind) = 0;
};

struct RunOptions {
    // Forecast rank, comparison numbers and number delays for the metrics that use them.
    MetricContext context;
    // `SoloCalcolo`: columns are counted, not post-filtered or stored.
    bool calculateOnly = false;
    // Tally the distribution table over the stored columns.
    bool tally = false;
    // Rows 1..presetColumns of the column list are kept and the run adds after them.
    std::int32_t presetColumns = 0;
    // Rows the run may fill before spilling into the overflow file (at most the capacity).
    std::int32_t memoryRows = INT32_MAX;
    OrthogonalDevelopment* orthogonal = nullptr;
};

struct RunResult {
    // Set when the run could not start or could not write its output; the
    // column list and the counters are then left empty.
    std::optional<Notice> failure;
    bool cancelled = false;
    std::int64_t examined = 0;
    std::int32_t conditioned = 0;
    std::int32_t kept =
        0; // survived the difference, the reduction or went to the orthogonal routine
    std::int32_t inMemory = 0; // rows of the column list
    std::int32_t total = 0;    // columns of the system, overflow included
    std::int32_t finalCount = 0;
    std::string description;    // "Sistema Condizionato" or "Sistema Cond. + Rid."
    std::string differenceText; // "Differ. tra Colonne:" and the threshold, when one is set

    std::string finalCountText() const { return "Colonne finali = " + std::to_string(finalCount); }
    // Conditioned columns per kept column, when some were kept.
    double reductionRatio() const {
        return kept > 0 ? static_cast<double>(conditioned) / kept : 0.0;
    }
};

// Develops the chosen numbers of the current system with its conditions
// and options into its column list. Reads `progress.cancel` and keeps the
// counts of `progress` up to date; never touches a window.
RunResult developSystem(ProgramState& state, const RunOptions& options, RunProgress& progress);

// The same pipeline over given columns (the rows of a reduced table, or the
// columns of a saved system), in their order.
RunResult developColumns(ProgramState& state, const std::vector<Column>& source,
                         const RunOptions& options, RunProgress& progress);

// The distribution table of the columns held in the list, asked for after a run.
void tallyStoredColumns(const ColumnStore& columns, const MetricContext& context,
                        DistributionTable& table);

} // namespace varnelo

#pragma once

#include "conditions/ConditionFamilies.h"
#include "conditions/ConditionSet.h"
#include "conditions/DelayTables.h"
#include "conditions/FamilyDistribution.h"
#include "conditions/Levels.h"
#include "conditions/Links.h"
#include "conditions/Metrics.h"
#include "core/ColumnStore.h"
#include "core/Notice.h"
#include "core/SystemOptions.h"
#include "engine/RunProgress.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace varnelo {

// What a run develops: the numbers, the kind of development and the
// conditions; the engine reads it and never writes it.
struct RunInput {
    std::vector<int> chosen; // ascending, fixed numbers among them
    std::vector<int> fixed;
    SystemOptions options;
    bool shuffle = false; // "Mescola le Colonne dello Sviluppo:"
    const ConditionSet& conditions;
    const Links& links;
    const Quadri& quadri;
    const LevelLimits& levels;
    const ConditionFamilies* families = nullptr;
    const DelayTables* delayTables = nullptr;
    // Columns beyond the memory rows go here.
    std::filesystem::path overflowFile;
    // Filled when RunOptions::tally is set.
    DistributionTable* distribution = nullptr;
    FamilyDistribution* familyDistribution = nullptr;
};

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
    // Threads of a development of the chosen numbers; 0: one per core, for
    // runs large enough. Runs whose result depends on the order in which
    // columns are accepted (difference, reduction, orthogonal) use one.
    int threads = 0;
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
    // Lines a caller adds to the end text (what is left of a reduced table's guarantee).
    std::vector<std::string> notes;

    std::string finalCountText() const { return "Colonne finali = " + std::to_string(finalCount); }
    // Conditioned columns per kept column, when some were kept.
    double reductionRatio() const {
        return kept > 0 ? static_cast<double>(conditioned) / kept : 0.0;
    }
};

// Develops the chosen numbers with the conditions and options of the input
// into the column list; the counts come back in the result and the list's
// counters are the caller's. Reads `progress.cancel` and keeps the counts of
// `progress` up to date; never touches a window.
RunResult developNumbers(const RunInput& input, ColumnStore& columns, const RunOptions& options,
                         RunProgress& progress);

// The same pipeline over given columns (the rows of a reduced table, or the
// columns of a saved system), in their order.
RunResult developRows(const RunInput& input, const std::vector<Column>& source,
                      ColumnStore& columns, const RunOptions& options, RunProgress& progress);

// The distribution table of the columns held in the list, asked for after a run.
void tallyStoredColumns(const ColumnStore& columns, const MetricContext& context,
                        DistributionTable& table);

} // namespace varnelo

#pragma once

#include "checking/PrizeCategories.h"
#include "conditions/ConditionFamilies.h"
#include "conditions/ConditionSet.h"
#include "conditions/DelayTables.h"
#include "conditions/Levels.h"
#include "conditions/Links.h"
#include "conditions/Metrics.h"

#include <optional>
#include <string>
#include <vector>

namespace varnelo {

// What the current conditions read for a combination taken as one column.
struct AnalysisInputs {
    const ConditionSet& conditions;
    const ConditionFamilies& families;
    const Links& links;
    const LevelLimits& levels;
    const DelayTables& delays;
    MetricContext context;
    // The point quadri ("Punti tra Condizioni"); none when absent.
    const Quadri* quadri = nullptr;
};

enum class Verdict {
    Inactive,   // the condition is off: the value is shown for what it is worth
    Admitted,   // a blue cell or an admitted interval
    Recovery,   // admitted on recovery, charging `level`
    NotAdmitted // the development would have dropped the column here (or charged its link)
};

struct AnalysisRow {
    std::string family; // as the conditions list names it
    std::string name;
    std::string value;
    Verdict verdict = Verdict::Inactive;
    int level = 0;
    // The row alone makes the development drop the column: a failure of a
    // condition in no link, a filter, the overall link and quadri limits, a level.
    bool rejects = false;
};

// The five marked numbers as a column; nothing for any other count of marks
// (or a mark on 50, which no column holds).
std::optional<Column> combinationColumn(const Combination& combination);

// Every condition of the set, family by family in the order of the
// conditions list: each value row with the column's value, the rows of the
// sum quadro, "Ritardi Vari" and the ambo delays, the filter columns and
// the AND/OR quadri, then the links with their overall limits, the point
// quadri and the recovery levels in use.
std::vector<AnalysisRow> analyseColumn(const Column& c, const AnalysisInputs& in);

// The conditions that would drop the column, by name ("Famiglia: nome");
// empty when it passes.
std::vector<std::string> rejectingConditions(const std::vector<AnalysisRow>& rows);

// "Ammesso", "Recupero " + level, "NON AMMESSO", or "-" for a condition that is off.
std::string verdictText(const AnalysisRow& row);

// The lines of "Stampa Debug": "   \   ", the name in 36 characters, the
// value in 8, then the verdict. "Stampa Debug Errori" keeps the rows the
// column does not pass.
std::vector<std::string> debugLines(const std::vector<AnalysisRow>& rows, bool errorsOnly);

} // namespace varnelo

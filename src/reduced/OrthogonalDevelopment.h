#pragma once

#include "core/Notice.h"
#include "core/Numbers.h"
#include "core/Progress.h"
#include "reduced/Catalogue.h"

#include <string>
#include <vector>

namespace varnelo {

struct OrthogonalRun {
    std::string code;            // the "O5…" code asked of the catalogue
    bool fromTable = false;      // a stored table answered
    bool stopped = false;        // the player stopped the walk
    bool guaranteed = false;     // the finished list checked against g if c
    std::vector<Column> columns; // ascending numbers
    std::optional<Notice> notice;
};

// The orthogonal development of option 1..9 over the player's numbers (each
// list ascending): a stored table when the catalogue has one, else the
// columns of the numbers in lexicographic order, each accepted when it
// shares at most g - 1 numbers with every column accepted before, then
// completed until every c numbers holding the fixed ones meet a column in g.
// `progress.done` counts the accepted columns.
OrthogonalRun developOrthogonal(const Catalogue& catalogue, const std::vector<int>& fixed,
                                const std::vector<int>& free, int option, Progress& progress);

// Whether every set of c of the numbers that holds the fixed ones (all of
// them, or c of them when there are more) meets some column in g numbers.
bool orthogonalGuaranteeHolds(const std::vector<Column>& columns, const std::vector<int>& fixed,
                              const std::vector<int>& free, int g, int c);

} // namespace varnelo

#pragma once

#include "core/Notice.h"
#include "core/Numbers.h"
#include "core/Progress.h"
#include "reduced/Catalogue.h"

#include <optional>
#include <string>
#include <vector>

namespace varnelo {

struct OrthogonalRun {
    std::string code;             // the "O5…" code asked of the catalogue
    bool fromTable = false;       // a stored table answered
    bool fullDevelopment = false; // no table makes sense: every column
    bool stopped = false;         // the player stopped the walk
    bool guaranteed = false;      // the finished list checked against g if c
    std::vector<Column> columns;  // ascending numbers
    std::optional<Notice> notice;
};

// The code an orthogonal development of option 1..9 asks of the catalogue
// for n free and `fixed` fixed numbers: the "O5" code when g is greater than
// the fixed count and there are at least six numbers, else the full
// development's code. Empty for another option.
std::string orthogonalDevelopmentCode(int n, int fixed, int option);

// Every column of the numbers that holds all the fixed ones, ascending.
std::vector<Column> fullDevelopment(const std::vector<int>& fixed, const std::vector<int>& free);

// The orthogonal development of option 1..9 over the player's numbers (each
// list ascending): every column when the code is the full development's; a
// stored table when the catalogue has one; else the columns of the numbers
// in lexicographic order, each accepted when it shares at most g - 1
// numbers with every column accepted before, then completed until every c
// numbers holding the fixed ones meet a column in g.
// `progress.done` counts the accepted columns.
OrthogonalRun developOrthogonal(const Catalogue& catalogue, const std::vector<int>& fixed,
                                const std::vector<int>& free, int option, Progress& progress);

// The walk and its completion for g hits if c drawn, asking no table: the
// columns, whether the player stopped it and whether the guarantee holds.
OrthogonalRun orthogonalWalk(const std::vector<int>& fixed, const std::vector<int>& free, int g,
                             int c, Progress& progress);

// Whether every set of c of the numbers that holds the fixed ones (all of
// them, or c of them when there are more) meets some column in g numbers
// (1 <= g <= c <= 5, columns ascending).
bool orthogonalGuaranteeHolds(const std::vector<Column>& columns, const std::vector<int>& fixed,
                              const std::vector<int>& free, int g, int c);

} // namespace varnelo

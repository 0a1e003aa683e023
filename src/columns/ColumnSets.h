#pragma once

#include "core/Numbers.h"
#include "core/Progress.h"

#include <cstdint>
#include <vector>

namespace varnelo {

// Most columns a comparison may produce.
inline constexpr std::int64_t kComparisonCapacity = 2120000;

enum class SetOperation { Or, And, Xor, Subtraction, Sum };

// A with B in the order of the files: the kept columns of A first, then
// those of B. A repeat inside A is kept as often as A holds it.
std::vector<Column> combineColumns(const std::vector<Column>& a, const std::vector<Column>& b,
                                   SetOperation op);
// Every repeated column kept once, first occurrence first.
std::vector<Column> removeRepeatedColumns(const std::vector<Column>& a);
// A uniform random order; the same seed gives the same order.
std::vector<Column> shuffleColumns(std::vector<Column> a, std::uint64_t seed);

// "Confronta Colonne" with `points` (1..5): the columns of A that meet a
// column of B in at least that many numbers, as a played column scores
// against a draw; "Spezza Colonne": the other columns of A. Order of A kept.
std::vector<Column> columnsMeeting(const std::vector<Column>& a, const std::vector<Column>& b,
                                   int points, bool meeting);

// "Consecutivita Differenziata:" with `difference` (1..5): each column kept
// differs from the one kept just before it in at least that many numbers, so
// that neighbouring columns on a slip never nearly repeat each other; the
// first column is always kept. 0 keeps every column.
std::vector<Column> keepDifferingNeighbours(const std::vector<Column>& columns, int difference);

// "Copertura N.k": columns of A, in the order of A, chosen so that every
// column of B meets one of them in at least k numbers. Each column of B not
// yet met takes the first column of A that meets it; `unmet` counts the
// columns of B that no column of A meets.
struct Coverage {
    std::vector<Column> columns;
    std::int64_t unmet = 0;
    bool cancelled = false;
};
Coverage coverColumns(const std::vector<Column>& a, const std::vector<Column>& b, int k,
                      Progress& progress);

// "Sostituzione di Segni": `from` becomes `to` in the columns of positions
// first..last (1-based, inclusive), each column kept ascending. Refused,
// nothing changed, when `to` is already in a column holding `from`:
// `clashes` counts those columns.
struct SignReplacement {
    std::int64_t replaced = 0;
    std::int64_t clashes = 0;
};
SignReplacement replaceNumber(std::vector<Column>& columns, std::size_t first, std::size_t last,
                              int from, int to);

// How close a repeat must come to be dropped by a join.
enum class JoinElimination {
    None = 0,
    Guarantee5 = 5,
    Guarantee4 = 4,
    Guarantee3 = 3,
    Guarantee2 = 2
};

struct JoinResult {
    std::vector<Column> columns;
    std::int64_t eliminated = 0;
    bool cancelled = false;
};
// The columns of A unchanged, then each column of B unless a kept column
// shares the elimination's count of numbers with it. Progress counts B's
// columns; a cancel returns with `cancelled` set and the partial result.
JoinResult joinColumns(const std::vector<Column>& a, const std::vector<Column>& b,
                       JoinElimination elimination, Progress& progress);

} // namespace varnelo

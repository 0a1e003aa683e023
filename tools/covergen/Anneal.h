#pragma once

#include "Subsets.h"

#include <cstdint>
#include <vector>

namespace varnelo::covergen {

// Small enough for the local search to keep a counter per c-set.
bool annealFits(const Shape& s);

// Simulated annealing on a fixed number of rows: a move swaps one position
// of a row for one of a c-set still uncovered. Every time all c-sets are
// covered the table is kept and the row covering the fewest c-sets alone is
// dropped. Returns the smallest correct table met within the time.
// With `parts`, only the c-sets lying inside one part need covering.
std::vector<Mask> anneal(const Shape& s, std::vector<Mask> rows, double seconds,
                         std::uint64_t random, std::vector<Mask> parts = {});

} // namespace varnelo::covergen

#pragma once

#include "Subsets.h"

#include <cstdint>
#include <vector>

namespace varnelo::covergen {

// Small enough to list every row with the c-sets it reaches.
bool weightingFits(const Shape& s);

// Local search for a set cover with weights on the c-sets: each step drops
// the row that costs least, adds the best row for a c-set left uncovered,
// and makes every c-set still uncovered weigh more, so the search leaves
// the regions it keeps failing in. Each time all c-sets are covered the
// table is kept and the cheapest row is dropped. Starts from `rows` (or a
// greedy cover) and returns the smallest correct table met within the time.
// With `parts`, only the c-sets lying inside one part need covering.
std::vector<Mask> weightingSearch(const Shape& s, const std::vector<Mask>& rows, double seconds,
                                  std::uint64_t random, const std::vector<Mask>& parts = {});

// The same search over tables that a rotation of the positions maps onto
// themselves (the first runs of m positions each turned one step), for every
// run length m: the rows are chosen in whole orbits, which shrinks the
// search enough to reach tables the plain search misses. Returns the
// smallest table found, or nothing.
std::vector<Mask> rotatingSearch(const Shape& s, double seconds, std::uint64_t random);

} // namespace varnelo::covergen

#pragma once

#include "Subsets.h"

#include <cstdint>
#include <vector>

namespace varnelo::covergen {

// Updates the greedy search makes: every c-set times the rows near it.
double greedyWork(const Shape& s);

// Starts from `seed` and adds, one at a time, the row covering the most
// c-sets still uncovered; ties are broken at random.
std::vector<Mask> greedy(const Shape& s, const std::vector<Mask>& seed, std::uint64_t random);

// Drops, last first, every row whose c-sets all have another row near them.
std::vector<Mask> prune(const Shape& s, std::vector<Mask> rows);

} // namespace varnelo::covergen

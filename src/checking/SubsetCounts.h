#pragma once

#include "checking/PrizeCategories.h"

#include <array>
#include <cstdint>
#include <vector>

namespace varnelo {

// How many columns hold each set of one to five numbers, counted in one
// pass over the columns. The hits of a draw against every column then
// follow from the counts of the draw's 31 subsets: a column with k hits
// holds C(k, j) of the draw's j-sets, so the sums per j give the columns
// per k by inclusion and exclusion. Checking thousands of draws costs one
// pass over the columns instead of one per draw.
class SubsetCounts {
  public:
    SubsetCounts();

    void add(const Column& c);
    std::int64_t columns() const { return columns_; }
    // Columns per number of hits against five different numbers 1..49.
    HitCounts hitsOf(const Column& draw) const;

  private:
    std::array<std::vector<std::int32_t>, kColumnSize + 1> counts_; // by set size, colex rank
    std::int64_t columns_ = 0;
};

} // namespace varnelo

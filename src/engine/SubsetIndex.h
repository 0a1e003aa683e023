#pragma once

#include "core/Numbers.h"

#include <cstdint>
#include <vector>

namespace varnelo {

// Two columns share at least s numbers exactly when they have a common
// s-subset, so a set of the s-subsets of the columns kept so far answers
// "does any kept column share s numbers with this one" in constant time.
class SubsetIndex {
  public:
    explicit SubsetIndex(int s); // s = 1..5

    int size() const { return s_; }
    bool sharesWithAny(const Column& c) const;
    void insert(const Column& c);
    void clear();

  private:
    std::uint32_t rank(const Column& c, unsigned positions) const;

    int s_;
    std::vector<unsigned> subsets_; // position masks of the C(5, s) subsets
    std::vector<std::uint64_t> bits_;
};

// Numbers two columns share.
int commonNumbers(const Column& a, const Column& b);
// Bit n set for every number of the column.
std::uint64_t columnMask(const Column& c);

} // namespace varnelo

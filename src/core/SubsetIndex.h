#pragma once

#include "core/Numbers.h"

#include <cstdint>
#include <span>
#include <vector>

namespace varnelo {

// Two columns share at least s numbers exactly when they have a common
// s-subset, so a set of the s-subsets of the columns kept so far answers
// "does any kept column share s numbers with this one" in constant time.
class SubsetIndex {
  public:
    explicit SubsetIndex(int s); // s = 1..5

    bool sharesWithAny(const Column& c) const;
    // The same for a set of s..5 ascending numbers: whether an inserted
    // column holds s of them.
    bool sharesWithAny(std::span<const std::uint8_t> ascending) const;
    void insert(const Column& c);

    // Colex rank of the numbers at the chosen positions (bit p: position p + 1);
    // different subsets of the same size get different ranks.
    static std::uint32_t rank(const Column& c, unsigned positions);

  private:
    int s_;
    std::vector<unsigned> subsets_; // position masks of the C(5, s) subsets
    std::vector<std::uint64_t> bits_;
};

// Bit n set for every number of the column.
std::uint64_t columnMask(const Column& c);

} // namespace varnelo

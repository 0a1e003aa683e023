#pragma once

#include "core/Numbers.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace varnelo {

// A set of numbers as a mask: bit n for number n (1..49); a column gives its five.
std::uint64_t numberMask(std::span<const std::uint8_t> numbers);

// The hits of a column against many filter columns at once. Filter columns
// are packed 64 to a word; per number, the words of the filter columns that
// hold it. A column's hits are summed in three bit planes, so that one pass
// of word operations tells, for every hit count h, which filter columns share
// exactly h numbers with the column; nothing is searched per filter column.
class FilterHits {
  public:
    explicit FilterHits(std::span<const std::uint64_t> filterMasks);

    std::size_t filters() const { return filters_; }
    std::size_t words() const { return words_; }
    // Bits of the filter columns that exist in word w.
    std::uint64_t present(std::size_t w) const;

    // For every word w, f(w, eq) with eq[h] the filter columns of the word
    // that share exactly h numbers with the column (h = 0..5).
    template <typename F> void scan(const Column& c, F f) const {
        for (std::size_t w = 0; w < words_; ++w) {
            std::uint64_t p0 = 0, p1 = 0, p2 = 0;
            for (const auto n : c) {
                const std::uint64_t x = holders_[static_cast<std::size_t>(n) * words_ + w];
                const std::uint64_t carry0 = p0 & x;
                p0 ^= x;
                const std::uint64_t carry1 = p1 & carry0;
                p1 ^= carry0;
                p2 |= carry1;
            }
            const std::array<std::uint64_t, 6> eq = {~p2 & ~p1 & ~p0, ~p2 & ~p1 & p0,
                                                     ~p2 & p1 & ~p0,  ~p2 & p1 & p0,
                                                     p2 & ~p1 & ~p0,  p2 & ~p1 & p0};
            f(w, eq);
        }
    }

  private:
    std::size_t filters_;
    std::size_t words_;
    std::vector<std::uint64_t> holders_; // (number 0..50) × words
};

} // namespace varnelo

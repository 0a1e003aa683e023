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
    // Per filter column, a hit count 0..7 in three bit planes.
    struct Planes {
        std::uint64_t p0 = 0, p1 = 0, p2 = 0;
        void add(std::uint64_t x) {
            const std::uint64_t carry0 = p0 & x;
            p0 ^= x;
            const std::uint64_t carry1 = p1 & carry0;
            p1 ^= carry0;
            p2 |= carry1;
        }
        // Entry h: the filter columns with exactly h hits, h = 0..5.
        std::array<std::uint64_t, 6> exact() const {
            return {~p2 & ~p1 & ~p0, ~p2 & ~p1 & p0, ~p2 & p1 & ~p0,
                    ~p2 & p1 & p0,   p2 & ~p1 & ~p0, p2 & ~p1 & p0};
        }
    };

    explicit FilterHits(std::span<const std::uint64_t> filterMasks);

    std::size_t filters() const { return filters_; }
    std::size_t words() const { return words_; }
    // Bits of the filter columns that exist in word w.
    std::uint64_t present(std::size_t w) const;

    // The words of the filter columns that hold number n.
    const std::uint64_t* holders(int n) const {
        return holders_.data() + static_cast<std::size_t>(n) * words_;
    }

    // For every word w, f(w, eq) with eq[h] the filter columns of the word
    // that share exactly h numbers with the column (h = 0..5).
    template <typename F> void scan(const Column& c, F f) const { scanWords(c, 0, words_, f); }
    // The bit planes of the first four numbers are kept from the previous
    // call: the development asks about every completion of a prefix in a
    // row, so only the last number is added per column. Not for use from
    // two threads at once.
    template <typename F>
    void scanWords(const Column& c, std::size_t from, std::size_t to, F f) const {
        const std::uint32_t prefix = static_cast<std::uint32_t>(c[0]) | c[1] << 8 | c[2] << 16 |
                                     static_cast<std::uint32_t>(c[3]) << 24;
        if (prefix != cachedPrefix_)
            cachePrefix(c, prefix);
        const std::uint64_t* last = holders(c[4]);
        for (std::size_t w = from; w < to; ++w) {
            Planes p{planes_[3 * w], planes_[3 * w + 1], planes_[3 * w + 2]};
            p.add(last[w]);
            f(w, p.exact());
        }
    }

  private:
    std::size_t filters_;
    std::size_t words_;
    void cachePrefix(const Column& c, std::uint32_t prefix) const;

    std::vector<std::uint64_t> holders_; // (number 0..50) × words
    mutable std::uint32_t cachedPrefix_ = ~0u;
    mutable std::vector<std::uint64_t> planes_; // per word: three bit planes of the prefix
};

} // namespace varnelo

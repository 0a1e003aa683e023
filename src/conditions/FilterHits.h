#pragma once

#include "conditions/ColumnPrefix.h"
#include "core/Numbers.h"

#include <array>
#include <bit>
#include <cstdint>
#include <span>
#include <vector>

namespace varnelo {

// A set of numbers as a mask: bit n for number n (1..49); a column gives its five.
std::uint64_t numberMask(std::span<const std::uint8_t> numbers);

// The hits of a column against many filter columns at once, each filter
// column admitting a set of hit counts. Filter columns are packed 64 to a
// word. Once the first four numbers of a column are placed, every filter
// column's fate hangs on one bit: whether it holds the last number. So per
// word the prefix leaves two masks (admitted if the last number is out, if
// it is in) and the hits of the prefix in three bit planes; a column then
// costs a few word operations per 64 filter columns and no branch per
// filter column.
class FilterHits {
  public:
    // Per word, what the first four numbers of the column leave.
    struct Word {
        std::uint64_t ifOut = 0, ifIn = 0;    // admitted when the last number is out / in
        std::uint64_t p0 = 0, p1 = 0, p2 = 0; // hits of the prefix, bit planes
    };

    // admittedHits[j]: bit h set when filter column j admits h hits (0..5).
    FilterHits(std::span<const std::uint64_t> filterMasks,
               std::span<const std::uint8_t> admittedHits);

    std::size_t words() const { return words_; }
    // Bits of the filter columns that exist in word w.
    std::uint64_t present(std::size_t w) const { return present_[w]; }

    // The words of the filter columns that hold number n.
    const std::uint64_t* holders(int n) const {
        return holders_.data() + static_cast<std::size_t>(n) * words_;
    }

    // The words for the first four numbers of c, worked out again only
    // when they change: the development asks about every completion of a
    // prefix in a row. Not for use from two threads at once.
    const Word* prefixWords(const Column& c) const {
        const std::uint32_t key = prefixKey(c);
        if (key != cachedPrefix_)
            cachePrefix(c, key);
        return prefix_.data();
    }

    // The filter columns of a word whose hits are admitted, x being the
    // word's holders of the last number.
    static std::uint64_t admitted(const Word& w, std::uint64_t x) {
        return (w.ifOut & ~x) | (w.ifIn & x);
    }
    // The hits of the filter columns in `g`.
    static int hitsOf(const Word& w, std::uint64_t x, std::uint64_t g) {
        return std::popcount(g & w.p0) + 2 * std::popcount(g & w.p1) + 4 * std::popcount(g & w.p2) +
               std::popcount(g & x);
    }

  private:
    void cachePrefix(const Column& c, std::uint32_t key) const;

    std::size_t words_;
    std::vector<std::uint64_t> holders_;               // (number 0..50) × words
    std::vector<std::array<std::uint64_t, 6>> admits_; // per word, per hit count
    std::vector<std::uint64_t> present_;
    mutable std::uint32_t cachedPrefix_ = ~0u;
    mutable std::vector<Word> prefix_;
    mutable std::uint32_t cachedThree_ = ~0u;
    mutable std::vector<std::array<std::uint64_t, 2>> three_; // hits of the first three, planes
};

} // namespace varnelo

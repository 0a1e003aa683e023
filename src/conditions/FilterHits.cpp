#include "conditions/FilterHits.h"

namespace varnelo {

std::uint64_t numberMask(std::span<const std::uint8_t> numbers) {
    std::uint64_t m = 0;
    for (const auto n : numbers)
        if (n >= 1 && n <= kMaxNumber)
            m |= std::uint64_t{1} << n;
    return m;
}

FilterHits::FilterHits(std::span<const std::uint64_t> filterMasks,
                       std::span<const std::uint8_t> admittedHits)
    : words_((filterMasks.size() + 63) / 64),
      holders_(static_cast<std::size_t>(kMaxNumber + 2) * words_, 0), admits_(words_),
      present_(words_, 0), prefix_(words_), three_(words_) {
    for (std::size_t j = 0; j < filterMasks.size(); ++j) {
        const std::uint64_t bit = std::uint64_t{1} << (j % 64);
        for (int n = 1; n <= kMaxNumber; ++n)
            if (filterMasks[j] >> n & 1u)
                holders_[static_cast<std::size_t>(n) * words_ + j / 64] |= bit;
        for (std::size_t h = 0; h <= 5; ++h)
            if (admittedHits[j] >> h & 1u)
                admits_[j / 64][h] |= bit;
        present_[j / 64] |= bit;
    }
}

void FilterHits::cachePrefix(const Column& c, std::uint32_t key) const {
    // The first three numbers change far less often than the fourth: their
    // hits (at most 3, two planes) are kept while they stay.
    const std::uint32_t three = key & 0xFFFFFFu;
    if (three != cachedThree_) {
        for (std::size_t w = 0; w < words_; ++w) {
            std::uint64_t p0 = 0, p1 = 0;
            for (std::size_t k = 0; k < 3; ++k) {
                const std::uint64_t x = holders(c[k])[w];
                p1 ^= p0 & x;
                p0 ^= x;
            }
            three_[w] = {p0, p1};
        }
        cachedThree_ = three;
    }
    const std::uint64_t* fourth = holders(c[3]);
    for (std::size_t w = 0; w < words_; ++w) {
        const std::uint64_t x = fourth[w];
        auto [p0, p1] = three_[w];
        const std::uint64_t carry0 = p0 & x;
        p0 ^= x;
        const std::uint64_t p2 = p1 & carry0;
        p1 ^= carry0;
        // Four numbers give at most 4 hits: p2 set means exactly 4.
        const std::array<std::uint64_t, 5> exact = {~p2 & ~p1 & ~p0, ~p2 & ~p1 & p0, ~p2 & p1 & ~p0,
                                                    ~p2 & p1 & p0, p2};
        Word& out = prefix_[w];
        out = {0, 0, p0, p1, p2};
        const auto& adm = admits_[w];
        for (std::size_t h = 0; h < exact.size(); ++h) {
            out.ifOut |= exact[h] & adm[h];
            out.ifIn |= exact[h] & adm[h + 1];
        }
    }
    cachedPrefix_ = key;
}

} // namespace varnelo

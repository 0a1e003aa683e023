#include "core/SubsetIndex.h"

#include <algorithm>
#include <bit>

namespace varnelo {

namespace {

struct Binomials {
    std::uint32_t c[kMaxNumber + 1][kColumnSize + 1]{};
    constexpr Binomials() {
        for (int n = 0; n <= kMaxNumber; ++n)
            for (int k = 0; k <= kColumnSize; ++k)
                c[n][k] = static_cast<std::uint32_t>(binomial(n, k));
    }
};
constexpr Binomials kBinomial{};

std::uint32_t rankOf(const std::uint8_t* ascending, unsigned positions) {
    std::uint32_t r = 0;
    int k = 1;
    for (int p = 0; p < kColumnSize; ++p)
        if (positions >> p & 1)
            r += kBinomial.c[ascending[p] - 1][k++];
    return r;
}

} // namespace

SubsetIndex::SubsetIndex(int s) : s_(std::clamp(s, 1, kColumnSize)) {
    for (unsigned m = 0; m < 32; ++m)
        if (std::popcount(m) == s_)
            subsets_.push_back(m);
    bits_.assign(kBinomial.c[kMaxNumber][s_] / 64 + 1, 0);
}

std::uint32_t SubsetIndex::rank(const Column& c, unsigned positions) {
    return rankOf(c.data(), positions);
}

bool SubsetIndex::sharesWithAny(const Column& c) const {
    return sharesWithAny(std::span<const std::uint8_t>(c));
}

bool SubsetIndex::sharesWithAny(std::span<const std::uint8_t> ascending) const {
    for (unsigned m : subsets_) {
        // Only the subsets within the numbers given.
        if (m >> ascending.size())
            continue;
        const std::uint32_t r = rankOf(ascending.data(), m);
        if (bits_[r / 64] >> (r % 64) & 1)
            return true;
    }
    return false;
}

void SubsetIndex::insert(const Column& c) {
    for (unsigned m : subsets_) {
        const std::uint32_t r = rank(c, m);
        bits_[r / 64] |= std::uint64_t{1} << (r % 64);
    }
}

std::uint64_t columnMask(const Column& c) {
    std::uint64_t m = 0;
    for (std::uint8_t n : c)
        m |= std::uint64_t{1} << n;
    return m;
}

} // namespace varnelo

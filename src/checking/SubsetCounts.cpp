#include "checking/SubsetCounts.h"

#include <bit>

namespace varnelo {

namespace {

// C(n, k) for n 0..49, k 0..5: a set b1 < .. < bj of numbers 0..48 ranks as
// the sum of C(bi, i) (the colex order), dense in 0..C(49, j) - 1.
struct Binomials {
    std::array<std::array<std::int32_t, kColumnSize + 1>, kMaxNumber + 1> c{};
    constexpr Binomials() {
        for (int n = 0; n <= kMaxNumber; ++n)
            for (int k = 0; k <= kColumnSize; ++k)
                c[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)] =
                    static_cast<std::int32_t>(binomial(n, k));
    }
};
constexpr Binomials kBinomials{};

// Hands `visit` the size and rank of each of the 31 non-empty subsets of a column.
template <typename Visit> void forEachSubset(const Column& c, Visit visit) {
    for (unsigned set = 1; set < (1u << kColumnSize); ++set) {
        std::int32_t rank = 0;
        std::size_t i = 0;
        for (std::size_t p = 0; p < kColumnSize; ++p)
            if (set >> p & 1u)
                rank += kBinomials.c[static_cast<std::size_t>(c[p] - 1)][++i];
        visit(i, rank);
    }
}

} // namespace

SubsetCounts::SubsetCounts() {
    for (int j = 1; j <= kColumnSize; ++j)
        counts_[static_cast<std::size_t>(j)].assign(
            static_cast<std::size_t>(binomial(kMaxNumber, j)), 0);
}

void SubsetCounts::add(const Column& c) {
    ++columns_;
    forEachSubset(c, [this](std::size_t size, std::int32_t rank) {
        ++counts_[size][static_cast<std::size_t>(rank)];
    });
}

HitCounts SubsetCounts::hitsOf(const Column& draw) const {
    // held[j]: pairs (column, j-set of the draw inside it).
    std::array<std::int64_t, kColumnSize + 1> held{};
    held[0] = columns_;
    forEachSubset(draw, [&](std::size_t size, std::int32_t rank) {
        held[size] += counts_[size][static_cast<std::size_t>(rank)];
    });
    HitCounts hits{};
    for (int k = kColumnSize; k >= 0; --k) {
        std::int64_t h = held[static_cast<std::size_t>(k)];
        for (int m = k + 1; m <= kColumnSize; ++m)
            h -= binomial(m, k) * hits[static_cast<std::size_t>(m)];
        hits[static_cast<std::size_t>(k)] = h;
    }
    return hits;
}

} // namespace varnelo

#pragma once

#include <cstdint>

namespace varnelo {

// Positions of a table go up to 90 (the single-number tables).
inline constexpr int kMaxPositions = 90;

namespace detail {

inline constexpr int kMaxBinomialK = 7;

struct BinomialTable {
    std::uint64_t c[kMaxPositions + 1][kMaxBinomialK + 1]{};
    constexpr BinomialTable() {
        for (int n = 0; n <= kMaxPositions; ++n) {
            c[n][0] = 1;
            for (int k = 1; k <= kMaxBinomialK; ++k)
                c[n][k] = n == 0 ? 0 : c[n - 1][k - 1] + c[n - 1][k];
        }
    }
};

inline constexpr BinomialTable kBinomials;

} // namespace detail

// C(n, k) for 0 <= n <= kMaxPositions and 0 <= k <= 7; 0 outside. Inline:
// the walks over a table's subsets call it in their innermost loops.
inline std::uint64_t tableBinomial(int n, int k) {
    if (n < 0 || k < 0 || n > kMaxPositions || k > detail::kMaxBinomialK)
        return 0;
    return detail::kBinomials.c[n][k];
}

// Colex rank of k ascending zero-based positions: sum of C(x_i, i + 1).
std::uint64_t colexRank(const std::uint8_t* ascending, int k);

// Inverse of colexRank over n positions.
void colexUnrank(std::uint64_t rank, int k, int n, std::uint8_t* ascending);

} // namespace varnelo

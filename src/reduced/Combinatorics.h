#pragma once

#include <cstdint>

namespace varnelo {

// Positions of a table go up to 90 (the single-number tables).
inline constexpr int kMaxPositions = 90;

// C(n, k) for 0 <= n <= kMaxPositions and 0 <= k <= 7; 0 outside.
std::uint64_t binomial(int n, int k);

// Colex rank of k ascending zero-based positions: sum of C(x_i, i + 1).
std::uint64_t colexRank(const std::uint8_t* ascending, int k);

// Inverse of colexRank over n positions.
void colexUnrank(std::uint64_t rank, int k, int n, std::uint8_t* ascending);

} // namespace varnelo

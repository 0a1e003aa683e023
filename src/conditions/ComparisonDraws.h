#pragma once

#include "core/Numbers.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace varnelo {

// `CondizUguVerticale`: the comparison numbers are the numbers of the last K
// draws of the statistics selection, K = 1..11 kept in `enal/DistInVert.txt`.
inline constexpr int kMinComparisonDraws = 1;
inline constexpr int kMaxComparisonDraws = 11;
inline constexpr int kDefaultComparisonDraws = 3;

// The K of the file: an empty or unreadable file keeps `current`; a K below 1
// becomes 3, one above 11 becomes 11.
int parseComparisonDraws(std::string_view text, int current);
// False for a text that neither is blank nor starts with a whole number.
bool isComparisonDrawsText(std::string_view text);
std::string formatComparisonDraws(int k);

// Counts per number 0..51 of the numbers of the last K draws (oldest first).
std::array<int, 52> comparisonNumbers(std::span<const Column> draws, int k);

} // namespace varnelo

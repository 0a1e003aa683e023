#pragma once

#include "conditions/Sequele.h"

#include <string>

namespace varnelo {

// " 1 ) Pari Dispari" .. " 11) Pari Dispari": slots 51..61.
inline constexpr int kParityPatternSlot = 51;
inline constexpr int kParityPatternCount = 11;

// The eleven fixed positional patterns of "Pari e dispari:", valued like the
// sequele: how many of the five sorted positions have the pattern's parity.
// Every pattern marks all five positions and starts with an even one: the
// value against a pattern's mirror (P and D swapped) is always 5 minus the
// value against the pattern, so a mirror would add nothing a player cannot
// set with the other cells of the same row.
const SequelePatterns& parityPatterns();

// "P D P D P" for pattern 1..11.
std::string parityPatternText(int pattern);

} // namespace varnelo

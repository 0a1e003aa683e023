#pragma once

#include "checking/PrizeCategories.h"

#include <cstdint>

namespace varnelo {

// A combination drawn for the system: its fixed numbers first, then numbers
// of the system at random until five are marked (all of them when it has
// fewer), and one Numerone out of 1..10 as a draw would bring it. Every
// earlier mark, Numeroni included, is dropped: the result is a fresh draw.
Combination randomCombination(const Selection& system, std::uint64_t seed);

} // namespace varnelo

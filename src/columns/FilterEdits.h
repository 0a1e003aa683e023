#pragma once

#include "conditions/CarFile.h"

#include <string>

namespace varnelo {

// The development admits the hits between the lowest and the highest
// admitted count, so a filter column's admitted hits are kept as one run:
// a click on a count outside the run stretches it to that count, a click on
// one of its ends takes that end off, a click inside keeps the counts below it.
void toggleAdmittedHit(ListColumn& c, int hits);

// The admitted counts as the grid lists them: "0 1 2", "" for none.
std::string countsText(std::uint8_t bits);

} // namespace varnelo

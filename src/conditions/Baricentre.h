#pragma once

#include "core/Numbers.h"

namespace varnelo {

// "Baricentro Totale", "Baricentro Pari", "Baricentro Dispari": slots 125..127.
inline constexpr int kBaricentreSlot = 125;
enum class Baricentre { Total, Even, Odd };

// Integer part of the mean of all, the even or the odd numbers of the column.
// A column without even (odd) numbers has baricentre 0 of that kind: the
// first value of the row, so the user can admit or refuse such columns.
int baricentre(Baricentre kind, const Column& c);

} // namespace varnelo

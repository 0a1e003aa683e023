#pragma once

#include "core/Numbers.h"

namespace varnelo {

// "Resto Diviso d" is slot 98 + d, d = 2..9.
inline constexpr int kFirstDivisor = 2;
inline constexpr int kLastDivisor = 9;
inline constexpr int remainderSlot(int divisor) {
    return 98 + divisor;
}

// The sum of the column modulo the divisor.
int remainderOf(const Column& c, int divisor);

} // namespace varnelo

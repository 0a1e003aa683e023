#pragma once

#include "core/Numbers.h"

namespace varnelo {

// "Somma Decina", "Somma Unita", "Somma Tot. Dec.+Uni." are slots 128..130;
// "Somma Unità+Decine Diff." slot 79.
inline constexpr int kDecadeSumSlot = 128;
inline constexpr int kDecadesPlusUnitsSlot = 79;

enum class DecadeSum { Tens, Units, Total };
// Sums of the tens (n div 10) and of the units (n mod 10) of the five numbers.
int decadeSum(DecadeSum kind, const Column& c);
// Different decades plus different units digits, 2..10.
int decadesPlusUnits(const Column& c);

} // namespace varnelo

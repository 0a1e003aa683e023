#pragma once

#include "core/Numbers.h"

#include <array>
#include <string_view>

namespace varnelo {

// "Presenza Cifra N° d" is slot 131 + d, "Numero di Cifre" slot 110,
// "Posizione Unita e Decina" entry e slot 88 + e.
inline constexpr int kDigitPresenceSlot = 131;
inline constexpr int kDigitCountSlot = 110;
inline constexpr int kDigitPositionSlot = 88;
inline constexpr int kDigitPositionEntries = 10;

// Times each digit 0..9 is written in the five numbers; 1..9 are written
// with one digit, so no leading zero is counted.
using DigitCounts = std::array<int, 10>;
DigitCounts digitCounts(const Column& c);
// How many digits the column uses.
int differentDigits(const Column& c);
// Entry 2k: tens of position k + 1; entry 2k + 1: its units.
int positionDigit(const Column& c, int entry);
// "1°  Numero - Decina" .. "5°  Numero - Unita".
std::string_view positionEntryName(int entry);

} // namespace varnelo

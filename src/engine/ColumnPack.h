#pragma once

#include <cstdint>

namespace varnelo {

// Bit fields of a column's pack: 3 bits per digit count (at most 6), the
// tens sum (at most 20), the units sum (at most 45), the count and the sum
// of the even numbers (at most 220) and of the odd numbers (at most 225).
inline constexpr int kTensAt = 30, kUnitsAt = 35, kEvenAt = 41, kOddAt = 52;

inline int field(std::uint64_t pack, int at, int bits) {
    return static_cast<int>(pack >> at & ((std::uint64_t{1} << bits) - 1));
}

// A baricentre from the count and the sum of its numbers; 0 without numbers.
inline int centre(std::uint64_t pack, int at) {
    const int count = field(pack, at, 3);
    return count > 0 ? field(pack, at + 3, 8) / count : 0;
}

} // namespace varnelo

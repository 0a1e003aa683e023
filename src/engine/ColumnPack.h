#pragma once

#include <array>
#include <cstdint>

namespace varnelo {

// Bit fields of a column's pack: 3 bits per digit count (at most 6), the
// tens sum (at most 20), the units sum (at most 45), the count and the sum
// of the even numbers (at most 220) and of the odd numbers (at most 225).
inline constexpr int kTensAt = 30, kUnitsAt = 35, kEvenAt = 41, kOddAt = 52;

inline int field(std::uint64_t pack, int at, int bits) {
    return static_cast<int>(pack >> at & ((std::uint64_t{1} << bits) - 1));
}

// Every sum of up to seven numbers divided by their count: a look-up, as
// a baricentre is asked once per prefix and a division costs more.
inline constexpr auto kCentres = [] {
    std::array<std::array<std::uint8_t, 256>, 8> t{};
    for (std::size_t count = 1; count < t.size(); ++count)
        for (std::size_t sum = 0; sum < 256; ++sum)
            t[count][sum] = static_cast<std::uint8_t>(sum / count);
    return t;
}();

// A baricentre from the count and the sum of its numbers; 0 without numbers.
inline int centre(std::uint64_t pack, int at) {
    return kCentres[static_cast<std::size_t>(field(pack, at, 3))]
                   [static_cast<std::size_t>(field(pack, at + 3, 8))];
}

} // namespace varnelo

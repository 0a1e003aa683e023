#pragma once

#include "core/Numbers.h"

#include <array>
#include <cstdint>

namespace varnelo {

// " 1 ) Sequele Pari Dispari" .. " 11) Sequele Pari Dispari": slots 23..33.
inline constexpr int kSequeleSlot = 23;
inline constexpr int kSequeleCount = 11;

enum class ParityMark : std::uint8_t { Any = 0, Even = 1, Odd = 2 };

// The eleven parity patterns of `SequeleDue`. A column is valued against a
// pattern by how many of its positions agree with it, 0..5; a position
// marked Any always agrees, so 5 means the column fits the pattern and the
// value row can also admit columns that miss it in one or two places.
class SequelePatterns {
  public:
    // pattern 1..11, position 1..5; anything else reads Any and is not stored.
    ParityMark mark(int pattern, int position) const;
    void setMark(int pattern, int position, ParityMark m);

    int value(int pattern, const Column& c) const;
    // The same from the parities alone: bit p - 1 set when position p is even.
    int valueOfParities(int pattern, unsigned evenBits) const;

    bool operator==(const SequelePatterns&) const = default;

  private:
    std::array<std::array<ParityMark, kColumnSize>, kSequeleCount> marks_{};
};

} // namespace varnelo

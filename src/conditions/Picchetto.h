#pragma once

#include "core/Numbers.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace varnelo {

inline constexpr int kPicchettoCount = 10;

// Ten picchetti: a value × 100 for every number 1..50 (50 is never summed).
class PicchettoTable {
  public:
    std::int32_t value(int picchetto, int number) const;
    void setValue(int picchetto, int number, std::int32_t v);
    // " Azzera picchetto  ".
    void clear(int picchetto);
    bool operator==(const PicchettoTable&) const = default;

  private:
    std::array<std::array<std::int32_t, 51>, kPicchettoCount + 1> values_{};
};

// `picchetto/picchetto.txt`: for each picchetto five lines of ten values
// (numbers 1-10 .. 41-50), 50 lines in all.
std::string formatPicchettoFile(const PicchettoTable& t);
// A short file leaves the values it does not reach as they were. A value
// that is not a whole number fails with an Italian message and changes nothing.
bool parsePicchettoFile(std::string_view text, PicchettoTable& t, std::string& error);

// The figures `PicchettoS` generates a picchetto from, in `OptGenerazione` order.
enum class PicchettoSource { Out, Frequency, Delay, MaxDelay, Cycle };
// Values × 100, truncated, of numbers 1..49 over the draws (oldest first).
// A number that never came out has delay T (every draw) and the figures that
// divide by its count are 0.
std::array<std::int32_t, kMaxNumber + 1> generatePicchetto(std::span<const Column> draws,
                                                           PicchettoSource source);

} // namespace varnelo

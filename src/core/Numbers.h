#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace varnelo {

inline constexpr int kMaxNumber = 49;
inline constexpr int kColumnSize = 5;
inline constexpr int kMaxNumerone = 10;
// Tables indexed by Numerone keep room for 11 and 12, never set by the number grid.
inline constexpr int kNumeroneSlots = 12;
inline constexpr int kMaxFixed = 4;
inline constexpr std::int32_t kAllColumns = 1906884;

// Five different numbers 1..49 in ascending order.
using Column = std::array<std::uint8_t, kColumnSize>;

// The only parity test of the program: 1 for 0 and every even value 0..50.
struct EvenTable {
    std::array<std::uint8_t, 51> flag{};
    constexpr EvenTable() {
        flag[0] = 1;
        for (int n = 2; n <= 48; n += 2) {
            flag[n] = 1;
            flag[n - 1] = 0;
        }
        flag[50] = 1;
    }
    constexpr bool isEven(int n) const { return flag[static_cast<std::size_t>(n)] != 0; }
};
inline constexpr EvenTable kEven{};

// Names of the 20 number groups of the AND/OR filter, index 1..20.
inline constexpr std::array<std::string_view, 21> kGroupLetters = {
    "",  "A", "B", "C", "D", "E", "F", "G", "H", "I", "J",
    "K", "L", "M", "N", "O", "P", "Q", "R", "S", "T"};

// C(n, k) for the small n of the game; the integral column count is binomial(n, 5).
constexpr std::int64_t binomial(int n, int k) {
    if (k < 0 || n < 0 || k > n)
        return 0;
    std::int64_t r = 1;
    for (int i = 1; i <= k; ++i)
        r = r * (n - k + i) / i;
    return r;
}

// Integral column counts: entry n is the number of columns of n chosen numbers.
struct IntegralCounts {
    std::array<std::int32_t, kMaxNumber + 1> count{};
    constexpr IntegralCounts() {
        for (int n = 0; n <= kMaxNumber; ++n)
            count[n] = static_cast<std::int32_t>(binomial(n, kColumnSize));
    }
};
inline constexpr IntegralCounts kIntegralCounts{};

inline constexpr double kDefaultCoverage = 100.0;

} // namespace varnelo

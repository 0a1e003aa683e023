#pragma once

#include "core/Numbers.h"
#include "core/Selection.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace varnelo {

// Twelve prize categories: 2k for a bet with k number hits that misses the
// Numerone, 2k + 1 for one that hits it ("3+1" reads three numbers and the Numerone).
inline constexpr int kCategoryCount = 12;
std::string_view categoryLabel(int category);
constexpr int categoryOf(int hits, bool numerone) {
    return 2 * hits + (numerone ? 1 : 0);
}

// The combination a system is checked against: any number of marked cells
// 1..50 (a real draw marks five) and the marked Numeroni.
struct Combination {
    std::array<bool, 51> numbers{};
    std::array<bool, kNumeroneSlots + 1> numeroni{};

    // Bit n set for every marked number n.
    std::uint64_t mask() const;
    std::vector<int> markedNumbers() const;
    std::vector<int> markedNumeroni() const;
    bool operator==(const Combination&) const = default;
};

// Each column is played once with every Numerone the system chose (C bets,
// one when it chose none); M of them hit, M being how many of the marked
// Numeroni the system chose. A draw brings two Numeroni, so M is 2 when
// both are among the chosen ones: two bets of the column win with the
// Numerone, C - 2 without.
struct BetSplit {
    std::int64_t without = 1; // C - M
    std::int64_t with = 0;    // M
    bool operator==(const BetSplit&) const = default;
};
BetSplit betSplit(const Selection& system, const Combination& combination);

// Columns per number of hits, 0..5.
using HitCounts = std::array<std::int64_t, kColumnSize + 1>;

// The tallies of one check, by category: the bets, and the columns that
// reached the category.
struct WinTally {
    std::array<std::int64_t, kCategoryCount> bets{};
    std::array<std::int64_t, kCategoryCount> columns{};
    std::int64_t checked = 0; // columns counted

    void add(const HitCounts& hits, const BetSplit& split);
    void add(const WinTally& other);
    // The highest category some column reached; -1 before any column.
    int best() const;
    bool operator==(const WinTally&) const = default;
};

// Twelve lines "CATEGORIA scommesse colonne", from "0" to "5+1".
std::string categoryLines(const WinTally& tally);

} // namespace varnelo

#pragma once

#include "core/ColumnStore.h"
#include "core/Notice.h"
#include "core/Progress.h"
#include "core/Selection.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace varnelo {

// How the k-sets of one best score b split by their winning-column count w
// (the columns that reach b): exactly 1..4 columns, or 5 and more.
struct ScoreTally {
    std::int64_t sets = 0;
    std::array<std::int64_t, 5> exactly{}; // index w - 1 for w = 1..4; index 4: w >= 5
    std::int64_t fiveOrMore() const { return exactly[4]; }
    // Smallest and largest w among the sets of the five-or-more bucket; 0 when it is empty.
    std::int64_t minWinners = 0;
    std::int64_t maxWinners = 0;

    void add(std::int64_t winners);
    bool operator==(const ScoreTally&) const = default;
};

// One level k: the sets of k system numbers examined, by best score 0..k.
struct WinLevel {
    std::int64_t sets = 0;
    std::array<ScoreTally, kColumnSize + 1> byScore{};
    bool operator==(const WinLevel&) const = default;
};

// The distribution of wins for levels 1..5 (index 0 unused).
struct WinLevels {
    std::array<WinLevel, kColumnSize + 1> level{};
    bool cancelled = false;
    bool operator==(const WinLevels&) const = default;
};

// The sets examined and the columns they are checked against.
struct WinLevelsInput {
    std::vector<int> numbers; // ascending, 1..49
    std::vector<int> fixed;   // with onlyWithFixed: the sets must hold all of them
    bool onlyWithFixed = false;
    const ColumnStore* columns = nullptr;
    std::int32_t count = 0; // rows 1..count of `columns`
};

// The system's numbers: the chosen ones and any other that a column holds
// (imported columns may go beyond the choice), so that every column's hits count.
WinLevelsInput winLevelsInput(const Selection& selection, const ColumnStore& columns,
                              bool onlyWithFixed);

// Above this many columns the calculation is refused.
inline constexpr std::int32_t kWinLevelsMaxColumns = 2120000;

// The "Troppe colonne" refusal for a system of `total` columns, or nothing.
std::optional<Notice> winLevelsRefusal(std::int32_t total);

// Counts once, for every subset of up to five system numbers, how many
// columns hold it; each k-set's hit counts over all columns then follow by
// inclusion-exclusion from its own subsets. Progress counts columns, then
// sets; a cancel returns with `cancelled` and the levels incomplete.
WinLevels winLevels(const WinLevelsInput& input, Progress& progress);

// The walk the fast routine answers for: every k-set against every column.
// Its time grows with sets times columns; kept to prove the two equal.
WinLevels walkWinLevels(const WinLevelsInput& input);

} // namespace varnelo

#pragma once

#include "checking/PrizeCategories.h"
#include "core/Progress.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace varnelo {

// One saved system checked against the combination: its bets per category
// and the columns read, or why it could not be read.
struct SavedSystemResult {
    std::string name;
    WinTally tally;
    std::string problem; // empty when the system was checked
};

struct SavedSystemsCheck {
    std::vector<SavedSystemResult> rows; // by name, at most kWinsGridRows
    bool tooMany = false;                // more systems than rows: "Troppi" "sistemi..."
    bool cancelled = false;
};

// Tallies the first `limit` columns of a columns file (fewer when it ends
// before). False with the Italian reason for a file that cannot be read or a
// line that is not a column; `cancelled` when a stop was asked for.
bool checkColumnsFile(const std::filesystem::path& file, std::int64_t limit,
                      const Combination& combination, const BetSplit& split, Progress& progress,
                      WinTally& tally, bool& cancelled, std::string& problem);

} // namespace varnelo

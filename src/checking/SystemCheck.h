#pragma once

#include "checking/PrizeCategories.h"
#include "core/ColumnStore.h"
#include "core/Notice.h"
#include "core/ProgramFolder.h"
#include "core/Progress.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace varnelo {

// The wins grid lists at most this many columns; the tallies go on past it.
inline constexpr std::int32_t kWinsGridRows = 10000;

// A check of the current system against one combination.
struct SystemCheck {
    BetSplit split;
    WinTally tally;
    // The first columns of the system in order and their hits, one per grid row.
    std::vector<Column> firstColumns;
    std::vector<std::uint8_t> firstHits;
    bool cancelled = false; // the tallies cover the columns counted before the stop
    std::optional<Notice> failure;
};

// Every column of the current system: first the overflow kept in
// qor/qor.qor (systemTotal - storedCount columns), then the stored ones.
// A stop leaves the tallies of the columns already counted.
SystemCheck checkSystem(const ColumnStore& store, const ProgramFolder& folder,
                        const Selection& system, const Combination& combination,
                        Progress& progress);

// Hands every overflow column of the current system to `take`, in order;
// `take` returns false to stop. The notice of a missing or short file.
std::optional<Notice> readOverflowColumns(const ProgramFolder& folder, std::int64_t count,
                                          const std::function<bool(const Column&)>& take);

} // namespace varnelo

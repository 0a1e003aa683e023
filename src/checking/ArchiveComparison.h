#pragma once

#include "checking/PrizeCategories.h"
#include "core/ColumnStore.h"
#include "core/DrawLine.h"
#include "core/Notice.h"
#include "core/ProgramFolder.h"
#include "core/Progress.h"

#include <array>
#include <optional>
#include <vector>

namespace varnelo {

// The current system checked against every draw of a list, as the window
// `Confrontiamo` shows it.
struct DrawWins {
    Draw draw;
    WinTally tally;
};

struct ArchiveComparison {
    std::vector<DrawWins> draws; // newest first
    WinTally totals;             // bets and columns summed over the draws
    // Draws whose best category was c.
    std::array<std::int64_t, kCategoryCount> bestDraws{};
    bool cancelled = false;
    std::optional<Notice> failure;
};

// `draws` oldest first, as the statistics selection keeps them. Every column
// of the system counts, the overflow in qor/qor.qor included; each draw's
// two Numeroni split the bets as in the check of one draw.
ArchiveComparison compareWithDraws(const ColumnStore& store, const ProgramFolder& folder,
                                   const Selection& system, const std::vector<Draw>& draws,
                                   Progress& progress);

} // namespace varnelo

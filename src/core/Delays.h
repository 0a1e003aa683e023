#pragma once

#include "core/DrawLine.h"
#include "core/Notice.h"
#include "core/ProgramFolder.h"

#include <array>
#include <cstdint>
#include <vector>

namespace varnelo {

// Per number 1..49 (entry 0 unused): draws since it last came out.
using NumberDelays = std::array<std::int32_t, kMaxNumber + 1>;

// A number never drawn gets the number of draws.
NumberDelays currentDelays(const std::vector<Draw>& draws);

// The figures of the statistics selection that the whole program shares.
struct ArchiveFigures {
    std::int32_t statisticsCount = 0; // draws in enal/archivio2.cna
    NumberDelays delays{};
    std::vector<Draw> selection; // the selected draws, oldest first
    bool operator==(const ArchiveFigures&) const = default;
};

// Rereads enal/archivio2.cna (start-up, closing the selection window, every
// archive command). A file that cannot be read leaves the figures as they
// were and returns its notice; malformed lines are reported and skipped.
std::vector<Notice> refreshArchiveFigures(const ProgramFolder& folder, ArchiveFigures& figures);

} // namespace varnelo

#pragma once

#include "core/Numbers.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace varnelo {

// How the kept columns of a conditioned reduced system score on every draw
// of five of the system's numbers: draws[b] counts the draws whose best
// column holds b of them, as RidStat.txt counts the "Cinque" line.
struct KeptGuarantee {
    std::array<std::uint64_t, 6> draws{};
    std::uint64_t total = 0;
    int worst = 0; // the hits every such draw is sure of
};

// `columns` are columns of `numbers` (ascending), as a reduced development
// keeps them.
KeptGuarantee keptGuarantee(const std::vector<Column>& columns, const std::vector<int>& numbers);

// The end text of the run: the guarantee left and the draws per best score.
std::vector<std::string> keptGuaranteeLines(const KeptGuarantee& k);

} // namespace varnelo

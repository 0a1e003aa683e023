#pragma once

#include "conditions/Metrics.h"
#include "core/Delays.h"
#include "core/Selection.h"

#include <array>

namespace varnelo {

// The tables from outside the column that a development reads: the place of
// each number in the forecast, the comparison numbers of the last K draws
// and the current delays. They must outlive the run that points at them.
struct RunContext {
    std::array<int, kMaxNumber + 1> forecastRank{};
    std::array<int, 52> comparison{};
    MetricContext metrics;

    // `comparisonDraws`: the K of the comparison numbers (0: none).
    RunContext(const Selection& selection, const ArchiveFigures& archive, int comparisonDraws);
    RunContext(const RunContext&) = delete;
    RunContext& operator=(const RunContext&) = delete;
};

} // namespace varnelo

#pragma once

#include "conditions/Metrics.h"
#include "core/Notice.h"

#include <array>
#include <vector>

namespace varnelo {

struct ProgramState;

// The tables from outside the column that a development reads: the place of
// each number in the forecast, the comparison numbers of the last K draws
// and the current delays. They must outlive the run that points at them.
struct RunContext {
    std::array<int, kMaxNumber + 1> forecastRank{};
    std::array<int, 52> comparison{};
    MetricContext metrics;

    explicit RunContext(const ProgramState& state);
    RunContext(const RunContext&) = delete;
    RunContext& operator=(const RunContext&) = delete;
};

// Everything that follows the statistics selection: the archive figures,
// the delay tables of the delay conditions, the K of the comparison draws.
// Called at start-up and after every change of the archive or the selection.
std::vector<Notice> refreshArchiveTables(ProgramState& state);

} // namespace varnelo

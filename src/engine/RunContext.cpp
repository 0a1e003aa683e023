#include "engine/RunContext.h"

#include "conditions/ComparisonDraws.h"

namespace varnelo {

RunContext::RunContext(const Selection& selection, const ArchiveFigures& archive,
                       int comparisonDraws) {
    int place = 0;
    for (int n : selection.chosenNumbers())
        forecastRank[static_cast<std::size_t>(n)] = ++place;
    std::vector<Column> draws;
    draws.reserve(archive.selection.size());
    for (const Draw& d : archive.selection)
        draws.push_back(d.numbers);
    comparison = comparisonNumbers(draws, comparisonDraws);
    metrics.forecastRank = &forecastRank;
    metrics.comparison = &comparison;
    metrics.delays = &archive.delays;
}

} // namespace varnelo

#pragma once

#include "conditions/ConditionSet.h"
#include "conditions/Links.h"
#include "conditions/Metrics.h"

#include <cstdint>
#include <string>
#include <vector>

namespace varnelo {

// " Statistiche sulle colonne vincenti ": how past draws would have met the
// conditions of one link or quadro.
struct GroupTally {
    // Links: index = conditions of the link the draw satisfied (0..200).
    // Quadri: index = the quadro score of the draw.
    std::vector<std::int32_t> counts;
    std::int32_t draws = 0;
    // Failed conditions of the group over all draws ("Condizioni Sbagliate= ").
    std::int64_t wrongConditions = 0;

    // Share of the draws in row i, in percent.
    double share(std::size_t i) const;
    // The same as "###0.00" writes it.
    std::string percentText(std::size_t i) const;
};

// Only conditions in play whose value this unit computes are evaluated;
// the draws are the statistics selection, oldest first.
GroupTally tallyLink(const ConditionSet& set, const GroupTable& links, int link,
                     const std::vector<Column>& draws, const MetricContext& ctx = {});
GroupTally tallyQuadro(const ConditionSet& set, const GroupTable& quadri, int quadro,
                       const std::vector<Column>& draws, const MetricContext& ctx = {});

} // namespace varnelo

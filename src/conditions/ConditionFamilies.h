#pragma once

#include "conditions/AndOrFilter.h"
#include "conditions/ComparisonDraws.h"
#include "conditions/DelayConditions.h"
#include "conditions/FamilyDistribution.h"
#include "conditions/FilterColumns.h"
#include "conditions/Picchetto.h"
#include "conditions/Sequele.h"
#include "conditions/SumQuadro.h"

namespace varnelo {

// The tables of the condition families that do not fit the value rows of
// the condition set; saved and loaded with the system.
struct ConditionFamilies {
    PicchettoTable picchetti;
    SumQuadro sums;
    SequelePatterns sequele;
    DelayRows ritardiVari{std::vector<IntervalRow>(kRitardiVariRows)};
    DelayRows ambo{std::vector<IntervalRow>(kAmboRows)};
    AndOrSet andOr;
    FilterList filterList;
    ActiveFilters activeFilters; // what "Attivazione" took from the list
    int comparisonDraws = kDefaultComparisonDraws;

    // The filter columns the development applies.
    bool filtersInPlay() const { return filterList.active && !activeFilters.empty(); }
    bool operator==(const ConditionFamilies&) const = default;
};

// Adds to `use` (per level 1..40, how many active conditions use it) the
// levels of the active families with tables of their own: the recovery
// intervals of the sum quadro, "Ritardi Vari" and the ambo delays.
void addFamilyLevels(const ConditionSet& set, const ConditionFamilies& f,
                     std::array<int, kLevelCount + 1>& use);

// The menu check rule with the families that keep tables of their own: their
// slot is active and their table holds something to judge ("Somme +
// Picchetto", "Ritardi Vari", "Ritardo Ambi"), or a quadro or filter list is
// active ("Quadri And Or", "Colonne filtro And"); the others follow the
// condition set (familyInPlay).
bool familyInPlay(const ConditionSet& set, const ConditionFamilies& f, int family);

} // namespace varnelo

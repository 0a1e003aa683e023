#pragma once

#include "conditions/AndOrFilter.h"
#include "conditions/ConditionSet.h"
#include "conditions/FilterColumns.h"
#include "conditions/Levels.h"
#include "conditions/Links.h"
#include "core/Selection.h"
#include "printing/Listing.h"

#include <array>
#include <functional>

#include <string>
#include <vector>

namespace varnelo {

// The sections of "Stampa tabulato:" by their index in `ChStampa`.
enum class ListingSection {
    Numbers = 0,
    Conditions = 1,
    AndColumns = 2,
    AndOrColumns = 3,
    Columns = 4,
    LinksAndPoints = 5
};
inline constexpr int kListingSections = 6;

// What the report sections describe: everything that produced the columns.
struct ListingSources {
    const Selection& selection;
    const ConditionSet& conditions;
    const LevelLimits& levels;
    const Links& links;
    const Quadri& quadri;
    const FilterList& filters;
    const AndOrSet& andOr;
};

// The text lines of a report section; empty for Columns, which is streamed
// by ColumnListing.
std::vector<std::string> reportLines(ListingSection section, const ListingSources& sources);

using ListingSections = std::array<bool, kListingSections>;
// "Stampa Colonne" alone, as the window opens.
ListingSections defaultListingSections();

// The whole listing through `emit`: the heading, then the ticked sections in
// their order, the columns handed to the listing by `feedColumns` at their
// place. False when `feedColumns` stopped early (no closing lines then).
bool writeListing(const std::string& systemName, std::int64_t columnCount, ListingSize size,
                  const ListingSections& sections, const ListingSources& sources,
                  const std::function<bool(ColumnListing&)>& feedColumns,
                  const ColumnListing::Emit& emit);

} // namespace varnelo

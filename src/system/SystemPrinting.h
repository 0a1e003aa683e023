#pragma once

#include "core/Notice.h"
#include "core/Numbers.h"
#include "printing/ListingReport.h"
#include "system/ProgramState.h"

#include <functional>
#include <optional>

namespace varnelo {

// How many columns the current system prints, overflow included.
std::int64_t printedColumns(const ProgramState& state);

// Every column of the current system in list order: the overflow kept in
// qor/qor.qor first, then the stored ones. `take` returns false to stop.
// "File manomesso o inesistente:" when the overflow file cannot be read.
std::optional<Notice> forEachSystemColumn(const ProgramState& state,
                                          const std::function<bool(const Column&)>& take);

// What the listing's report sections read from the current system.
ListingSources listingSources(const ProgramState& state);

// The listing of the current system with its columns, through `emit`;
// `keepGoing` is asked after every block and stops the listing on false.
std::optional<Notice> writeSystemListing(const ProgramState& state, ListingSize size,
                                         const ListingSections& sections,
                                         const ColumnListing::Emit& emit,
                                         const std::function<bool()>& keepGoing);

} // namespace varnelo

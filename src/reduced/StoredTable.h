#pragma once

#include "core/ProgramFolder.h"
#include "reduced/Catalogue.h"
#include "reduced/RowStore.h"

#include <string_view>

namespace varnelo {

// Loads the user's table `ridotti/<code>.cna`, named by the code reduced to
// no fixed numbers, into the store: one row per line in the field format.
// At most 250000 lines are read and 120000 rows kept. A bad field refuses
// the whole table with an Italian message and leaves the store unchanged.
TableAnswer loadStoredTable(const ProgramFolder& folder, std::string_view code, RowStore& store);

} // namespace varnelo

#pragma once

#include "reduced/TableCode.h"

#include <vector>

namespace varnelo {

// Every code the program carries a table for, in lookup order: ordinary
// tables grouped by the fields of their stored rows (5, 4, 3, 2, then the
// single numbers), then the orthogonal tables in the same grouping.
const std::vector<TableCode>& catalogueCodes();

// The free-form tables behind the catalogue, one per family and n, each once.
const std::vector<TableCode>& catalogueTables();

} // namespace varnelo

#pragma once

#include "core/ColumnStore.h"

namespace varnelo::bench {

// The bare baseline of the engine cases: five nested loops over the chosen
// numbers that only store every column position-major.
std::int32_t storeAllColumns(ColumnStore& store, int chosen = 49);

} // namespace varnelo::bench

#pragma once

#include "core/ColumnStore.h"

#include <cstdint>

namespace varnelo {

// "Mescola le Colonne dello Sviluppo:": puts the columns held in memory in a
// random order (each order equally likely). Columns in the overflow file,
// which only a system larger than the list has, keep their order.
void shuffleColumns(ColumnStore& store, std::uint64_t seed);

} // namespace varnelo

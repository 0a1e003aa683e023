#pragma once

#include "core/Numbers.h"

#include <cstdint>

namespace varnelo {

// The first four numbers of a column as one word. The development asks
// about every completion of a prefix in a row, so the tests keep what the
// first four numbers give and work it out again only when this changes.
inline std::uint32_t prefixKey(const Column& c) {
    return static_cast<std::uint32_t>(c[0]) | c[1] << 8 | c[2] << 16 |
           static_cast<std::uint32_t>(c[3]) << 24;
}

} // namespace varnelo

#pragma once

#include "core/Numbers.h"

#include <cstdint>

namespace varnelo::test {

// A column from its five numbers, as the tests write them.
inline Column col(int a, int b, int c, int d, int e) {
    return {std::uint8_t(a), std::uint8_t(b), std::uint8_t(c), std::uint8_t(d), std::uint8_t(e)};
}

} // namespace varnelo::test

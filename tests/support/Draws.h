#pragma once

#include "core/DrawLine.h"

namespace varnelo::test {

// A draw of these numbers, with Numeroni 1 and 2, on 1 January 2016.
inline Draw drawOf(const Column& c) {
    Draw d;
    d.numbers = c;
    d.numeroni = {1, 2};
    d.day = 1;
    d.month = 1;
    d.year = 2016;
    return d;
}

} // namespace varnelo::test

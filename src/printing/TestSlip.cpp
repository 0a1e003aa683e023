#include "printing/TestSlip.h"

#include <algorithm>
#include <array>

namespace varnelo {

namespace {

// The corners of the numbers, of the Numeroni and of the further boxes.
constexpr std::array<int, 8> kCorners{1, 5, 45, 49, 51, 60, 61, 70};

bool marked(TestInk ink, int cell) {
    switch (ink) {
    case TestInk::All:
        return true;
    case TestInk::Half:
        return cell % 2 == 1;
    case TestInk::Few:
        return std::ranges::find(kCorners, cell) != kCorners.end();
    }
    return false;
}

} // namespace

PrintBuffer testSlip(TestInk ink, int marker) {
    PrintBuffer buffer;
    for (int grid = 1; grid <= kSlipGrids; ++grid) {
        if (marker != 0 && marker != grid)
            continue;
        for (int cell = 1; cell <= kGridCells; ++cell)
            if (marked(ink, cell))
                buffer.set(grid, cell);
    }
    return buffer;
}

} // namespace varnelo

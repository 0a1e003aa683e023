#include "printing/TestSlip.h"

#include <gtest/gtest.h>

#include <set>

namespace varnelo {
namespace {

// The cells set in one grid of a buffer.
std::set<int> cellsOf(const PrintBuffer& b, int grid) {
    std::set<int> cells;
    for (int cell = 0; cell < PrintBuffer::kCells; ++cell)
        if (b.isSet(grid, cell))
            cells.insert(cell);
    return cells;
}

TEST(TestSlip, InkChoosesTheBoxesAndTheMarkerTheGrids) {
    std::set<int> all, odd;
    for (int cell = 1; cell <= kGridCells; ++cell) {
        all.insert(cell);
        if (cell % 2 == 1)
            odd.insert(cell);
    }
    const std::set<int> corners{1, 5, 45, 49, 51, 60, 61, 70};
    const struct {
        TestInk ink;
        int marker;
        const std::set<int>& cells;
    } cases[] = {
        {TestInk::All, 0, all}, {TestInk::Half, 0, odd},    {TestInk::Few, 0, corners},
        {TestInk::All, 3, all}, {TestInk::Few, 5, corners}, {TestInk::Half, 1, odd},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.ink) * 10 + c.marker);
        const PrintBuffer b = testSlip(c.ink, c.marker);
        for (int grid = 1; grid <= kSlipGrids; ++grid) {
            const bool inked = c.marker == 0 || c.marker == grid;
            EXPECT_EQ(cellsOf(b, grid), inked ? c.cells : std::set<int>{}) << grid;
        }
        // Never the cells past the slip's grids.
        for (int grid = kSlipGrids + 1; grid <= PrintBuffer::kGrids; ++grid)
            EXPECT_TRUE(cellsOf(b, grid).empty());
    }
}

} // namespace
} // namespace varnelo

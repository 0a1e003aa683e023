#include "reduced/OrthogonalDevelopment.h"
#include "core/ProgramFolder.h"
#include "reduced/PositionTable.h"
#include "support/Columns.h"
#include "support/ShippedCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>

using namespace varnelo;
using varnelo::test::col;

namespace {

std::vector<int> numbers(int count, int first = 1) {
    std::vector<int> out;
    for (int k = 0; k < count; ++k)
        out.push_back(first + k);
    return out;
}

// The covering verifier of the catalogue, over the positions of the numbers.
bool coveredAsATable(const std::vector<Column>& columns, const std::vector<int>& free, int g,
                     int c) {
    PositionTable t;
    t.rowLength = kColumnSize;
    t.n = static_cast<int>(free.size());
    for (const Column& column : columns)
        for (const auto x : column)
            t.cells.push_back(static_cast<std::uint8_t>(std::find(free.begin(), free.end(), x) -
                                                        free.begin() + 1));
    return coversAll(t, g, c);
}

} // namespace

// "Gar.1 con 2 Numeri": the walk accepts only columns sharing nothing, then
// the completion covers the pair left out.
TEST(OrthogonalDevelopment, NoOverlapThenCompletion) {
    Progress p;
    const OrthogonalRun run = developOrthogonal(test::shippedCatalogue(), {}, numbers(12), 9, p);
    ASSERT_GE(run.columns.size(), 2u);
    EXPECT_FALSE(run.stopped);
    if (!run.fromTable) {
        EXPECT_EQ(run.columns[0], col(1, 2, 3, 4, 5));
        EXPECT_EQ(run.columns[1], col(6, 7, 8, 9, 10));
    }
    EXPECT_TRUE(run.guaranteed);
    EXPECT_TRUE(coveredAsATable(run.columns, numbers(12), 1, 2));
}

// Every option over 15 and 22 numbers meets its guarantee, checked by the
// catalogue's own verifier; with a fixed number every column holds it.
TEST(OrthogonalDevelopment, EveryOptionKeepsItsGuarantee) {
    const int g[] = {0, 4, 3, 2, 3, 2, 1, 2, 1, 1};
    const int c[] = {0, 4, 3, 2, 4, 4, 4, 3, 3, 2};
    for (const int n : {15, 22})
        for (int option = 1; option <= 9; ++option) {
            Progress p;
            const std::vector<int> free = numbers(n, 2);
            OrthogonalRun run = developOrthogonal(test::shippedCatalogue(), {}, free, option, p);
            EXPECT_TRUE(run.guaranteed) << option << ' ' << n;
            EXPECT_TRUE(coveredAsATable(run.columns, free, g[option], c[option]))
                << option << ' ' << n;
            run = developOrthogonal(test::shippedCatalogue(), {40}, free, option, p);
            EXPECT_TRUE(run.guaranteed) << option << " fissa " << n;
            for (const Column& column : run.columns)
                EXPECT_NE(std::find(column.begin(), column.end(), 40), column.end()) << option;
        }
}

TEST(OrthogonalDevelopment, StopsAndRefusals) {
    Progress stopped;
    stopped.cancel = true;
    const OrthogonalRun run =
        developOrthogonal(test::shippedCatalogue(), {}, numbers(40), 5, stopped);
    EXPECT_TRUE(run.stopped || run.fromTable);
    EXPECT_FALSE(run.guaranteed && run.stopped);
    Progress p;
    EXPECT_EQ(developOrthogonal(test::shippedCatalogue(), {}, numbers(5), 5, p).code,
              "R0N00F0G00V00");
    EXPECT_TRUE(developOrthogonal(test::shippedCatalogue(), {}, numbers(4), 5, p).columns.empty());
    EXPECT_TRUE(developOrthogonal(test::shippedCatalogue(), {}, numbers(10), 0, p).columns.empty());
}

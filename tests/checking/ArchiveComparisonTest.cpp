#include "checking/ArchiveComparison.h"
#include "checking/ArchiveView.h"
#include "checking/SystemCheck.h"
#include "support/Columns.h"
#include "support/TestFolder.h"

using namespace varnelo;
using namespace varnelo::test;

// The subset counts must give, for every draw, what a check of that one
// draw gives: same bets, same columns in every category.
TEST(ArchiveComparison, EveryDrawScoresAsItsOwnCheck) {
    std::mt19937 rng(6);
    const TestFolder t;
    ColumnStore store;
    for (const int top : {12, 49}) { // few numbers: many columns share subsets
        store.clear();
        const std::int32_t n = top == 12 ? 700 : 5000;
        for (std::int32_t i = 1; i <= n; ++i)
            store.store(i, randomColumn(rng, top));
        store.storedCount = store.systemTotal = n;
        Selection system;
        for (int e : {2, 5, 7})
            system.setNumerone(e, true);
        std::vector<Draw> draws;
        for (int d = 0; d < 40; ++d) {
            Draw draw;
            draw.numbers = randomColumn(rng, top);
            draw.numeroni = {static_cast<std::uint8_t>(1 + d % 10),
                             static_cast<std::uint8_t>(1 + (d * 3 + 4) % 10)};
            draw.day = 1 + d % 28;
            draw.month = 1;
            draw.year = 2020;
            draws.push_back(draw);
        }
        Progress progress;
        const ArchiveComparison result =
            compareWithDraws(store, t.folder(), system, draws, progress);
        ASSERT_EQ(result.draws.size(), draws.size());
        WinTally totals;
        std::array<std::int64_t, kCategoryCount> best{};
        for (std::size_t d = 0; d < draws.size(); ++d) {
            const DrawWins& row = result.draws[draws.size() - 1 - d]; // newest first
            EXPECT_EQ(row.draw, draws[d]);
            Progress one;
            const SystemCheck check =
                checkSystem(store, t.folder(), system, combinationOfDraw(draws[d]), one);
            EXPECT_EQ(row.tally, check.tally) << top << " draw " << d;
            totals.add(check.tally);
            ++best[static_cast<std::size_t>(check.tally.best())];
        }
        EXPECT_EQ(result.totals, totals);
        EXPECT_EQ(result.bestDraws, best);
    }
}

TEST(ArchiveComparison, AStopEndsWithTheDrawsDoneSoFar) {
    const TestFolder t;
    ColumnStore store;
    std::int32_t i = 0;
    forEveryColumn([&](const Column& c) {
        if (i < 3000)
            store.store(++i, c);
    });
    store.storedCount = store.systemTotal = i;
    std::vector<Draw> draws(10);
    for (auto& d : draws) {
        d.numbers = col(1, 2, 3, 4, 5);
        d.numeroni = {1, 2};
    }
    Progress progress;
    progress.cancel = true;
    const ArchiveComparison result = compareWithDraws(store, t.folder(), {}, draws, progress);
    EXPECT_TRUE(result.cancelled);
    EXPECT_TRUE(result.draws.empty());
}

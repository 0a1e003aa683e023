#include "reduced/ApplyReduced.h"
#include "core/ProgramFolder.h"
#include "reduced/CatalogueCodes.h"
#include "support/Columns.h"
#include "support/ShippedCatalogue.h"

#include <gtest/gtest.h>

#include <bit>

using namespace varnelo;
using varnelo::test::col;

TEST(ApplyReduced, CodesFromTheNumbersAndTheGuarantee) {
    const struct {
        int n, fixed, g;
        const char* code;
    } ordinary[] = {
        {6, 0, 3, "R5N06F0G35V01"},  {12, 1, 3, "R5N12F1G35V01"}, {5, 0, 3, "R0N00F0G00V00"},
        {9, 1, 1, "R0N00F0G00V00"},  {30, 2, 2, "R0N00F0G00V00"}, {30, 2, 4, "R5N30F2G45V01"},
        {10, 0, 0, "R0N00F0G00V00"},
    };
    for (const auto& k : ordinary)
        EXPECT_EQ(reducedCode(k.n, k.fixed, k.g), k.code) << k.n << ' ' << k.fixed << ' ' << k.g;
    // Options 1..3 take ordinary tables whatever the checks say.
    EXPECT_EQ(orthogonalCode(10, 0, 1), "R5N10F0G45V01");
    EXPECT_EQ(orthogonalCode(10, 0, 2), "R5N10F0G45V01");
    EXPECT_EQ(orthogonalCode(4, 1, 3), "R5N04F1G35V01");
    EXPECT_EQ(orthogonalCode(20, 1, 5), "O5N20F1G24V01");
    EXPECT_EQ(orthogonalCode(20, 0, 0), "");
}

TEST(ApplyReduced, PositionsBecomeThePlayersNumbers) {
    // The row "1 2 3 4 5" over 3 7 11 20 33 41 ... is 3 7 11 20 33; the
    // single row "2 3 4 5 6" of six numbers leaves out the first.
    AppliedReduced a = applyReduced(test::shippedCatalogue(), reducedCode(10, 0, 3), {},
                                    {3, 7, 11, 20, 33, 41, 42, 44, 46, 48});
    ASSERT_FALSE(a.notice);
    EXPECT_EQ(a.columns, (std::vector<Column>{col(3, 7, 11, 20, 33), col(41, 42, 44, 46, 48)}));
    a = applyReduced(test::shippedCatalogue(), reducedCode(6, 0, 3), {}, {3, 7, 11, 20, 33, 41});
    EXPECT_EQ(a.columns, (std::vector<Column>{col(7, 11, 20, 33, 41)}));
    // A fixed number stands in every column.
    std::vector<int> free;
    for (int n = 1; n <= 12; ++n)
        free.push_back(n * 3);
    a = applyReduced(test::shippedCatalogue(), reducedCode(12, 1, 3), {8}, free);
    ASSERT_FALSE(a.notice);
    ASSERT_FALSE(a.columns.empty());
    for (const Column& c : a.columns)
        EXPECT_NE(std::find(c.begin(), c.end(), 8), c.end());
}

TEST(ApplyReduced, RefusalsLeaveNoColumns) {
    // No table for the code.
    AppliedReduced a = applyReduced(test::shippedCatalogue(), "R5N10F0G55V01", {},
                                    {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    ASSERT_TRUE(a.notice);
    EXPECT_EQ(a.notice->title, "Ridotto non compatibile:");
    EXPECT_TRUE(a.columns.empty());
    // Fewer numbers than the table's positions: a table that is not the one
    // the code names.
    a = applyReduced(test::shippedCatalogue(), "R5N10F0G35V01", {}, {1, 2, 3, 4, 5, 6, 7, 8});
    ASSERT_TRUE(a.notice);
    EXPECT_EQ(a.notice->title, "Ridotto manomesso:");
    EXPECT_EQ(a.notice->lines.back(), "Nome ridotto = R5N10F0G35V01");
    EXPECT_TRUE(a.columns.empty());
}

// Every ordinary table of the catalogue for 10, 20 and 30 numbers, with no
// or one fixed number, applied to spread-out numbers: every draw of five of
// the player's numbers that holds the fixed ones meets a column in at least
// g numbers.
TEST(ApplyReduced, AppliedTablesKeepTheirGuarantee) {
    int checked = 0;
    for (const TableCode& code : catalogueCodes()) {
        if (code.family != 'R' || code.rowLength != 5 || code.c != 5 || code.fixed > 1 ||
            (code.n != 10 && code.n != 20 && code.n != 30))
            continue;
        std::vector<int> fixed, free;
        if (code.fixed == 1)
            fixed.push_back(49);
        for (int j = 0; j < code.n; ++j)
            free.push_back(1 + j * 48 / code.n);
        const AppliedReduced a = applyReduced(test::shippedCatalogue(), code.text(), fixed, free);
        ASSERT_FALSE(a.notice) << code.text();
        std::vector<std::uint64_t> masks;
        for (const Column& c : a.columns)
            masks.push_back(test::maskOf({c[0], c[1], c[2], c[3], c[4]}));
        std::vector<int> all = free;
        all.insert(all.end(), fixed.begin(), fixed.end());
        const std::uint64_t mustHold = fixed.empty() ? 0 : std::uint64_t{1} << 49;
        bool kept = true;
        test::forEachColumn(all, [&](const Column& draw) {
            const std::uint64_t d = test::maskOf({draw[0], draw[1], draw[2], draw[3], draw[4]});
            if (!kept || (d & mustHold) != mustHold)
                return;
            int best = 0;
            for (const std::uint64_t m : masks)
                best = std::max(best, std::popcount(m & d));
            kept = best >= code.g;
        });
        EXPECT_TRUE(kept) << code.text();
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

// Catalogue and personal tables share one rule: positions 1..F are the fixed
// numbers, the next ones the free numbers, each list ascending.
TEST(ApplyReduced, PositionsOverFixedThenFreeNumbers) {
    const struct {
        std::vector<int> fixed, free;
        Column row, numbers;
    } cases[] = {
        {{}, {3, 7, 11, 20, 33, 41}, col(1, 2, 3, 4, 5), col(3, 7, 11, 20, 33)},
        {{}, {3, 7, 11, 20, 33, 41}, col(2, 3, 4, 5, 6), col(7, 11, 20, 33, 41)},
        // The fixed number is position 1, even when it is the highest.
        {{40}, {3, 7, 11, 20, 33}, col(1, 2, 3, 4, 5), col(3, 7, 11, 20, 40)},
        {{40}, {3, 7, 11, 20, 33}, col(2, 3, 4, 5, 6), col(3, 7, 11, 20, 33)},
        {{8, 45}, {1, 2, 3, 4, 5, 6}, col(1, 2, 6, 7, 8), col(4, 5, 6, 8, 45)},
        // Numbers beyond the table's positions stay out.
        {{}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, col(6, 7, 8, 9, 10), col(6, 7, 8, 9, 10)},
    };
    for (const auto& k : cases) {
        const AppliedReduced a = applyPositions({k.row}, k.fixed, k.free, "mio");
        ASSERT_FALSE(a.notice);
        EXPECT_EQ(a.columns, std::vector<Column>{k.numbers}) << int(k.row[0]) << int(k.row[4]);
    }
}

TEST(ApplyReduced, PositionsNamingNoNumberRefuseTheTable) {
    const std::vector<int> free = {3, 7, 11, 20, 33, 41};
    const Column bad[] = {col(2, 3, 4, 5, 7), col(0, 1, 2, 3, 4), col(1, 1, 2, 3, 4)};
    for (const Column& row : bad) {
        const AppliedReduced a = applyPositions({col(1, 2, 3, 4, 5), row}, {}, free, "mio");
        ASSERT_TRUE(a.notice);
        EXPECT_EQ(a.notice->title, "Ridotto manomesso:");
        EXPECT_EQ(a.notice->lines.back(), "Nome ridotto = mio");
        EXPECT_TRUE(a.columns.empty());
    }
}

TEST(ApplyReduced, PersonalTablesFitThePlayersNumbersOrAreRefused) {
    const PersonalTable table{7, 1, 3, {col(1, 2, 3, 4, 5), col(1, 2, 3, 6, 7)}};
    AppliedReduced a = applyPersonalTable(table, "rqor1", {30}, {2, 4, 6, 8, 10, 12});
    ASSERT_FALSE(a.notice);
    EXPECT_EQ(a.columns, (std::vector<Column>{col(2, 4, 6, 8, 30), col(2, 4, 10, 12, 30)}));

    const struct {
        PersonalTable table;
        std::vector<int> free;
        const char* line;
    } refused[] = {
        {table, {2, 4, 6, 8, 10}, "Il ridotto rqor1 usa 7 numeri, il pronostico ne ha 6."},
        {PersonalTable{}, {2, 4, 6, 8, 10}, "Il ridotto rqor1 non ha colonnine."},
    };
    for (const auto& k : refused) {
        a = applyPersonalTable(k.table, "rqor1", {30}, k.free);
        ASSERT_TRUE(a.notice);
        EXPECT_EQ(a.notice->title, "Ridotto non compatibile:");
        EXPECT_EQ(a.notice->lines.back(), k.line);
        EXPECT_TRUE(a.columns.empty());
    }
}

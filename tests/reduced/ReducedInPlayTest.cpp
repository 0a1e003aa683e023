#include "reduced/ApplyReduced.h"
#include "reduced/CatalogueEntries.h"
#include "reduced/KeptGuarantee.h"
#include "reduced/ReducedSlip.h"
#include "support/Columns.h"
#include "support/ShippedCatalogue.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <fstream>
#include <sstream>

using namespace varnelo;
using varnelo::test::col;

// The window's rows: every code once, the row counts of the tables, only
// tables of five numbers per column with a nameable guarantee offered, and
// the orthogonal rows mapped to the options of the set-up window.
TEST(CatalogueEntries, OfferWhatCanBePlayed) {
    const auto entries = catalogueEntries(test::shippedCatalogue());
    EXPECT_EQ(entries.size(), 2080u);
    const auto find = [&](const char* code) {
        return *std::find_if(entries.begin(), entries.end(),
                             [&](const CatalogueEntry& e) { return e.code.text() == code; });
    };
    const CatalogueEntry r = find("R5N12F1G35V01");
    EXPECT_TRUE(r.fits(12, 1));
    EXPECT_FALSE(r.fits(12, 0));
    EXPECT_FALSE(r.fits(11, 1));
    EXPECT_EQ(r.rows, test::shippedCatalogue().rowCount(r.code));
    EXPECT_GT(r.rows, 0u);
    EXPECT_EQ(r.guarantee, " Garanzia 3 punti  su 5 Numeri");
    EXPECT_EQ(r.option, 0);
    EXPECT_STREQ(r.kind(), "Ridotto");

    EXPECT_FALSE(find("R4N20F0G24V01").playable); // four numbers per column
    const CatalogueEntry o = find("O5N10F1G34V01");
    EXPECT_TRUE(o.playable);
    EXPECT_EQ(o.option, 4);
    EXPECT_EQ(o.guarantee, "Gar.3  con 4 Numeri");
    EXPECT_STREQ(o.kind(), "Ortogonale");

    const struct {
        int g, c, option;
    } map[] = {{1, 2, 9}, {2, 2, 3}, {1, 3, 8}, {2, 3, 7}, {3, 3, 2},
               {1, 4, 6}, {2, 4, 5}, {3, 4, 4}, {4, 4, 1}, {3, 5, 0}};
    for (const auto& m : map)
        EXPECT_EQ(orthogonalOptionFor(m.g, m.c), m.option) << m.g << " con " << m.c;
}

// What a conditioned reduced system still guarantees: the table itself keeps
// 3 if 5; take a column away and some draw of five numbers is left with less.
TEST(KeptGuarantee, CountsTheBestScoreOfEveryDraw) {
    const std::vector<int> numbers = {3, 7, 11, 20, 33, 41, 45, 46, 48, 49};
    const AppliedReduced a = applyReduced(test::shippedCatalogue(), "R5N10F0G35V01", {}, numbers);
    ASSERT_FALSE(a.notice);
    const KeptGuarantee whole = keptGuarantee(a.columns, numbers);
    EXPECT_EQ(whole.total, 252u);
    EXPECT_EQ(whole.worst, 3);

    std::vector<Column> fewer(a.columns.begin() + 1, a.columns.end());
    const KeptGuarantee k = keptGuarantee(fewer, numbers);
    // The same figures by brute force.
    std::array<std::uint64_t, 6> expected{};
    test::forEachColumn(numbers, [&](const Column& draw) {
        const std::uint64_t d = test::maskOf({draw[0], draw[1], draw[2], draw[3], draw[4]});
        int best = 0;
        for (const Column& c : fewer)
            best = std::max(best, std::popcount(d & test::maskOf({c[0], c[1], c[2], c[3], c[4]})));
        ++expected[static_cast<std::size_t>(best)];
    });
    EXPECT_EQ(k.draws, expected);
    EXPECT_EQ(k.draws[5], fewer.size());
    EXPECT_EQ(k.worst, 0); // the five numbers of the column taken away now score nothing
    EXPECT_EQ(keptGuaranteeLines(k).front(),
              "Garanzia rimasta = " + std::to_string(k.worst) + " se 5");

    EXPECT_EQ(keptGuarantee({}, numbers).worst, 0);
    EXPECT_EQ(keptGuarantee({}, numbers).draws[0], 252u);
}

TEST(ReducedSlip, WrittenForThePrinting) {
    test::TestFolder dir({"enal"});
    const ReducedSlip slip{reducedSlipTitle(false, 3, 5),
                           "R5N06F0G35V01",
                           {3, 7, 11, 20, 33, 41},
                           {},
                           {col(3, 7, 11, 20, 33), col(3, 7, 11, 20, 41)}};
    ASSERT_FALSE(writeReducedSlip(dir.folder(), slip));
    std::ifstream in(dir.folder().path("giocate/cedolina.txt"), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "Ridotto Garanzia 3 su 5\r\nCodice = R5N06F0G35V01\r\n"
                          "Numeri = 3 7 11 20 33 41\r\nFisse = \r\nColonne = 2\r\n*\r\n"
                          " 3 7 11 20 33\r\n 3 7 11 20 41\r\n");
    EXPECT_EQ(reducedSlipTitle(true, 3, 4), "Ortogonale Garanzia 3 con 4");
}

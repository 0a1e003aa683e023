#include "reduced/Catalogue.h"
#include "core/ProgramFolder.h"
#include "reduced/CatalogueCodes.h"
#include "support/ShippedCatalogue.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace varnelo;

namespace {

std::vector<std::string> rowsOf(std::string_view code) {
    RowStore store;
    const TableAnswer a = code[0] == 'O' ? test::shippedCatalogue().findOrthogonalTable(code, store)
                                         : test::shippedCatalogue().findTable(code, store);
    std::vector<std::string> rows;
    for (std::size_t i = 1; i <= store.count(); ++i)
        rows.push_back(store.row(i));
    EXPECT_EQ(a.ok(), !rows.empty()) << code;
    return rows;
}

} // namespace

TEST(Catalogue, CodesCoverTheFamiliesOnce) {
    const auto& codes = catalogueCodes();
    std::set<std::string> seen;
    for (const auto& c : codes)
        EXPECT_TRUE(seen.insert(c.text()).second) << c.text();
    EXPECT_EQ(codes.size(), 2080u);
    for (const char* code : {"R1N90F0G11V01", "R1N61F0G01V01", "R5N49F1G35V01", "R5N49F2G45V01",
                             "O5N10F1G44V01", "O4N04F2G33V01", "O5N20F1G34V01", "R5N02F3G45V01"})
        EXPECT_TRUE(seen.count(code)) << code;
    // Gaps of the families, and the two codes no table can be written for.
    for (const char* code : {"R1N50F0G11V01", "O5N19F1G34V01", "O4N16F0G35V01", "O3N10F0G35V01",
                             "O3N02F0G22V01", "O2N00F0G11V01", "R5N04F0G15V01"})
        EXPECT_FALSE(seen.count(code)) << code;
    // Lookup order: five fields first, the single numbers last of the ordinary tables.
    EXPECT_EQ(codes.front().text(), "R5N05F0G15V01");
    EXPECT_EQ(codes.front().family, 'R');
    EXPECT_EQ(codes.back().family, 'O');
}

TEST(Catalogue, LookupEdgeCases) {
    EXPECT_EQ(rowsOf("R5N10F0G35"), (std::vector<std::string>{"1 2 3 4 5 ", "6 7 8 9 10"}));
    EXPECT_EQ(rowsOf("R5N12F0G15V01").size(), 2u);
    EXPECT_EQ(rowsOf("R5N10F0G35V01XYZ"), rowsOf("R5N10F0G35V01"));
    RowStore store;
    store.load(std::vector<std::string>{"1 2 3 4 5 "});
    for (const char* code :
         {"R5N10F0G65V01", "R4N10F0G54V01", "R0N00F0G00V00", "R0N00F0G00", "O0N00F0G00V00",
          "R5N50F0G35V01", "R5N10F0G35V02", "", "R5N1", "O4N10F0G33V01"}) {
        const TableAnswer a = test::shippedCatalogue().findTable(code, store);
        EXPECT_FALSE(a.ok()) << code;
        EXPECT_EQ(store.count(), 1u) << code;
    }
    EXPECT_FALSE(test::shippedCatalogue().findOrthogonalTable("R5N10F0G35V01", store).ok());
    EXPECT_FALSE(test::shippedCatalogue().findOrthogonalTable("O0N00F0G00V00", store).ok());
}

TEST(Catalogue, FixedCodesUseTheFreeRows) {
    const std::pair<const char*, const char*> pairs[] = {
        {"R5N20F1G35V01", "R4N20F0G24V01"}, {"R5N20F2G35V01", "R3N20F0G13V01"},
        {"R5N30F3G45V01", "R2N30F0G12V01"}, {"R4N17F1G34V01", "R3N17F0G23V01"},
        {"O5N05F1G33V01", "O4N05F0G22V01"}, {"O5N20F2G47V01", "O3N20F0G25V01"},
        {"O5N22F1G46V01", "O4N22F0G35V01"},
    };
    for (auto [fixed, free] : pairs) {
        const auto rows = rowsOf(fixed);
        EXPECT_FALSE(rows.empty()) << fixed;
        EXPECT_EQ(rows, rowsOf(free)) << fixed;
    }
    EXPECT_EQ(rowsOf("O4N05F0G22V01").size(), 3u);
}

TEST(Catalogue, ListedTablesAreNoLargerThanTheirKnownSizes) {
    const std::map<std::string, std::size_t> sizes = {
        {"R5N10F0G15V01", 2},  {"R5N20F0G15V01", 4},   {"R5N49F0G15V01", 9},
        {"R5N10F0G25V01", 2},  {"R5N10F0G35V01", 2},   {"R5N20F0G35V01", 32},
        {"R5N10F0G45V01", 14}, {"R5N49F1G35V01", 66},  {"R5N49F2G45V01", 196},
        {"O5N10F1G44V01", 30}, {"R5N16F0G45V01", 132}, {"R5N49F0G25V01", 34},
    };
    for (const auto& [code, most] : sizes) {
        const auto rows = rowsOf(code);
        EXPECT_FALSE(rows.empty()) << code;
        EXPECT_LE(rows.size(), most) << code;
    }
}

// The whole catalogue, each free-form table once.
TEST(Catalogue, EveryShippedTableKeepsItsGuarantee) {
    std::set<std::string> done;
    for (const TableCode& code : catalogueCodes()) {
        const TableCode f = code.freeForm();
        if (!done.insert(f.text()).second)
            continue;
        PositionTable t;
        std::string error;
        ASSERT_TRUE(test::shippedCatalogue().table(code, t, error)) << code.text() << ": " << error;
        EXPECT_EQ(t.n, f.n) << code.text();
        EXPECT_EQ(t.rowLength, f.rowLength) << code.text();
        EXPECT_GT(t.rows(), 0u) << code.text();
        EXPECT_EQ(test::shippedCatalogue().rowCount(code), t.rows()) << code.text();
        EXPECT_TRUE(coversAll(t, f.g, f.c)) << code.text();
    }
}

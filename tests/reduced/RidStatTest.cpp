#include "reduced/RidStat.h"
#include "core/ProgramFolder.h"
#include "reduced/Catalogue.h"
#include "reduced/CatalogueCodes.h"
#include "support/Columns.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <bit>
#include <filesystem>
#include <fstream>

using namespace varnelo;
using varnelo::test::maskOf;
namespace fs = std::filesystem;

namespace {

// Every draw of 5 out of 49 against columns written as masks of numbers.
WinDistribution bruteForce(const std::vector<std::uint64_t>& columns, std::uint64_t system) {
    WinDistribution w;
    test::forEveryColumn([&](const Column& c) {
        const std::uint64_t draw = maskOf({c[0], c[1], c[2], c[3], c[4]});
        int best = 0;
        for (std::uint64_t col : columns)
            best = std::max(best, std::popcount(col & draw));
        ++w.draws[std::popcount(system & draw)][best];
        ++w.total;
    });
    return w;
}

} // namespace

TEST(WinDistribution, CountsEveryDrawExactly) {
    // Halves of ten, no fixed number.
    const PositionTable halves{5, 10, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}};
    const WinDistribution w = winDistribution(tableHits(halves), 10, 0, 49);
    const WinDistribution want = bruteForce({maskOf({1, 2, 3, 4, 5}), maskOf({6, 7, 8, 9, 10})},
                                            maskOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(w.draws, want.draws);
    EXPECT_EQ(w.total, 1906884u);
    // Five drawn among the ten always put three in a half.
    EXPECT_EQ(w.draws[5][0] + w.draws[5][1] + w.draws[5][2], 0u);

    // One fixed number (number 1) in front of rows over 8 positions (numbers 2..9).
    const PositionTable rows{4, 8, {1, 2, 3, 4, 5, 6, 7, 8, 1, 2, 5, 6}};
    const WinDistribution fixed = winDistribution(tableHits(rows), 8, 1, 49);
    const WinDistribution wantFixed =
        bruteForce({maskOf({1, 2, 3, 4, 5}), maskOf({1, 6, 7, 8, 9}), maskOf({1, 2, 3, 6, 7})},
                   maskOf({1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(fixed.draws, wantFixed.draws);

    // Single numbers: positions 1 and 3 of 4.
    const PositionTable singles{1, 4, {1, 3}};
    EXPECT_EQ(winDistribution(tableHits(singles), 4, 0, 49).draws,
              bruteForce({maskOf({1}), maskOf({3})}, maskOf({1, 2, 3, 4})).draws);
}

TEST(RidStat, RecordsAreFoundByCode) {
    const test::TestFolder folder{test::TestFolder::Bare{}};
    const auto& dir = folder.root;
    const auto file = dir / "RidStat.txt";
    const PositionTable halves{5, 10, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}};
    const WinDistribution w = winDistribution(tableHits(halves), 10, 0, 49);
    std::string error;
    ASSERT_TRUE(writeRidStat(
        file, {ridStatRecord("R5N10F0G15V01", w), ridStatRecord("R5N10F0G35V01", w)}, error));
    std::vector<std::string> lines;
    ASSERT_TRUE(readRidStatRecord(file, "R5N10F0G35V01", lines, error)) << error;
    ASSERT_EQ(lines.size(), 6u);
    const auto cells = ridStatCells(lines[2]); // three drawn among the ten
    ASSERT_EQ(cells.size(), 8u);
    EXPECT_EQ(cells[0], "Tre");
    EXPECT_EQ(cells[3], std::to_string(w.draws[3][3]));
    EXPECT_EQ(ridStatCells(lines[5])[0], "Zero");
    EXPECT_FALSE(readRidStatRecord(file, "R5N11F0G35V01", lines, error));
    EXPECT_FALSE(error.empty());

    // A record without separator is cut at 100 lines.
    std::string longRecord = "R5N10F0G35V01\r\n";
    for (int i = 0; i < 150; ++i)
        longRecord += "Uno w 1\r\n";
    test::writeFile(file, longRecord);
    ASSERT_TRUE(readRidStatRecord(file, "R5N10F0G35V01", lines, error));
    EXPECT_EQ(lines.size(), kRidStatMostLines);
}

TEST(RidStat, ShippedRecordsMatchTheShippedTables) {
    const fs::path file = fs::path(VARNELO_SOURCE_DATA_DIR) / "ridotti" / "RidStat.txt";
    std::ifstream in(file, std::ios::binary);
    int records = 0;
    for (std::string line; std::getline(in, line);)
        records += line == "wwwwwww\r";
    EXPECT_EQ(records, static_cast<int>(catalogueCodes().size()));

    const Catalogue catalogue(catalogueFolder(VARNELO_SOURCE_DATA_DIR));
    for (const char* text : {"R5N10F0G35V01", "R5N20F1G35V01", "R4N12F2G34V01", "O5N10F1G44V01",
                             "R1N70F0G11V01", "R5N30F0G45V01"}) {
        const TableCode code = *parseTableCode(text);
        PositionTable t;
        std::string error;
        ASSERT_TRUE(catalogue.table(code, t, error)) << text;
        const int universe = code.n + code.fixed > 49 ? 90 : 49;
        const std::string record =
            ridStatRecord(text, winDistribution(tableHits(t), code.n, code.fixed, universe));
        std::vector<std::string> lines;
        ASSERT_TRUE(readRidStatRecord(file, text, lines, error)) << error;
        std::string rebuilt = std::string(text) + "\r\n";
        for (const auto& l : lines)
            rebuilt += l + "\r\n";
        rebuilt += "wwwwwww\r\n";
        EXPECT_EQ(rebuilt, record) << text;
    }
}

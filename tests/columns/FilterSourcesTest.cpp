#include "columns/FilterSources.h"
#include "columns/FilterEdits.h"
#include "support/Columns.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

using namespace varnelo;
using varnelo::test::col;

TEST(FilterSources, NumbersAsTypedOrRead) {
    struct Case {
        const char* text;
        bool ok;
        std::vector<std::uint8_t> numbers;
    };
    const Case cases[] = {
        {"3 12 25", true, {3, 12, 25}},
        {"03-12-25", true, {3, 12, 25}},
        {"3,12;25\t", true, {3, 12, 25}},
        {"  ", true, {}},
        {"0 99 50", true, {0, 99, 50}},
        {"7 150", false, {9}},
        {"1 2 3 4 5 6 7 8", true, {1, 2, 3, 4, 5, 6, 7, 8}},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> numbers{9};
        EXPECT_EQ(parseFilterNumbers(c.text, numbers), c.ok) << c.text;
        EXPECT_EQ(numbers, c.numbers) << c.text;
    }
    EXPECT_EQ(filterNumbersText({3, 12, 25}), "3 12 25");
}

TEST(FilterSources, TextFileOfFilterColumns) {
    test::TestFolder dir;
    test::writeFile(dir / "lista.txt", "3 12 25 33 41 44\r\n\r\n07-08-09\n");
    std::vector<ListColumn> out;
    ASSERT_FALSE(readFilterText(dir / "lista.txt", 1, 2, out));
    const std::vector<ListColumn> expected = {{{3, 12, 25, 33, 41, 44}, 0b110, 0},
                                              {{7, 8, 9}, 0b110, 0}};
    EXPECT_EQ(out, expected);

    test::writeFile(dir / "rotta.txt", "1 2 3\n4 500 6\n");
    const auto n = readFilterText(dir / "rotta.txt", 0, 5, out);
    ASSERT_TRUE(n);
    EXPECT_EQ(n->lines,
              (std::vector<std::string>{"Numero non valido alla riga 2", "File: rotta.txt"}));
    EXPECT_EQ(out, expected);
    EXPECT_TRUE(readFilterText(dir / "manca.txt", 0, 5, out));
}

TEST(FilterSources, SystemColumnsWithinTheLimit) {
    test::TestFolder dir;
    test::writeFile(dir / "qor/tre.cna",
                    "1  2  3  4  5  \r\n1  2  3  4  6  \r\n\r\n7  8  9  10 11 \r\n");
    std::vector<Column> out;
    ASSERT_FALSE(readSystemColumns(dir.folder(), "tre", 0, out));
    EXPECT_EQ(out,
              (std::vector<Column>{col(1, 2, 3, 4, 5), col(1, 2, 3, 4, 6), col(7, 8, 9, 10, 11)}));
    ASSERT_FALSE(readSystemColumns(dir.folder(), "tre", kMaxFilterColumns - 3, out));

    const auto full = readSystemColumns(dir.folder(), "tre", kMaxFilterColumns - 2, out);
    ASSERT_TRUE(full);
    EXPECT_EQ(full->title, "Troppe Colonne :");
    EXPECT_EQ(full->lines.back(), "Troppe colonne  N°=20001");
    EXPECT_EQ(out.size(), 3u);

    test::writeFile(dir / "qor/rotto.cna", "1  2  3  4  5  \r\n5  4  3  2  1  \r\n");
    const auto bad = readSystemColumns(dir.folder(), "rotto", 0, out);
    ASSERT_TRUE(bad);
    EXPECT_EQ(bad->lines,
              (std::vector<std::string>{"Colonna non valida alla riga 2", "File: rotto.cna"}));
    EXPECT_EQ(out.size(), 3u);
}

TEST(FilterSources, DrawsOfARange) {
    std::vector<Draw> draws(4);
    for (std::size_t i = 0; i < draws.size(); ++i)
        draws[i].numbers = col(1, 2, 3, 4, static_cast<int>(5 + i));
    EXPECT_EQ(drawColumns(draws, 2, 3),
              (std::vector<Column>{col(1, 2, 3, 4, 6), col(1, 2, 3, 4, 7)}));
    EXPECT_EQ(drawColumns(draws, 3, 9).size(), 2u);
    EXPECT_TRUE(drawColumns(draws, 3, 2).empty());
}

// The admitted hits stay one run whatever is clicked.
TEST(FilterEdits, ToggleKeepsOneRun) {
    struct Case {
        std::uint8_t before;
        int click;
        std::uint8_t after;
    };
    const Case cases[] = {
        {0b000000, 3, 0b001000}, // the first count
        {0b000110, 4, 0b011110}, // above: stretched up
        {0b011000, 0, 0b011111}, // below: stretched down
        {0b011110, 1, 0b011100}, // the lower end goes
        {0b011110, 4, 0b001110}, // the upper end goes
        {0b111111, 3, 0b000111}, // inside: the counts below stay
        {0b000100, 2, 0b000000}, // the only one
        {0b100101, 2, 0b000011}, // a run with holes (an AND/OR quadro) is cut too
    };
    for (const Case& c : cases) {
        ListColumn l{{1, 2}, c.before, 0};
        toggleAdmittedHit(l, c.click);
        EXPECT_EQ(l.hits, c.after) << int(c.before) << " " << c.click;
    }
    EXPECT_EQ(countsText(0b101001), "0 3 5");
    EXPECT_EQ(countsText(0), "");
}

#include "printing/Listing.h"
#include "printing/ListingReport.h"
#include "printing/PrintFiles.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varnelo {
namespace {

using test::TestFolder;

std::vector<std::string> listing(ListingSize size, const std::vector<Column>& columns) {
    std::vector<std::string> lines;
    ColumnListing l(size, [&](const std::string& line) { lines.push_back(line); });
    for (const Column& c : columns)
        l.add(c);
    l.finish();
    return lines;
}

std::vector<Column> counted(int n) {
    std::vector<Column> out;
    for (int i = 0; i < n; ++i) {
        const auto b = static_cast<std::uint8_t>(1 + i % 45);
        out.push_back({b, static_cast<std::uint8_t>(b + 1), static_cast<std::uint8_t>(b + 2),
                       static_cast<std::uint8_t>(b + 3), static_cast<std::uint8_t>(b + 4)});
    }
    return out;
}

TEST(ColumnListing, SevenColumnsLargeMakeOneBlockOfTwoSlips) {
    const std::vector<Column> seven = {
        {1, 2, 3, 4, 5},      {5, 6, 7, 8, 9},      {10, 11, 12, 13, 14}, {15, 20, 25, 30, 35},
        {40, 41, 42, 43, 44}, {45, 46, 47, 48, 49}, {1, 12, 23, 34, 45}};
    const std::string dashes = " " + std::string(65, '-');
    const std::vector<std::string> expected = {
        dashes,
        "  Sch. N°    1    Sch. N°    2    ",
        " | 1  5  10 15 40| 45 1 ",
        " | 2  6  11 20 41| 46 12",
        " | 3  7  12 25 42| 47 23",
        " | 4  8  13 30 43| 48 34",
        " | 5  9  14 35 44| 49 45",
        dashes,
    };
    EXPECT_EQ(listing(ListingSize::Large, seven), expected);
    EXPECT_EQ(listingHeading("Prova", 7), "Nome = Prova   Colonne N° = 7");
}

TEST(ColumnListing, FullBlocksSpanTheSeparatorAndNumberSlipsOn) {
    const struct {
        ListingSize size;
        int perBlock;
        int dashes;
    } sizes[] = {
        {ListingSize::Small, 35, 113}, {ListingSize::Normal, 25, 81}, {ListingSize::Large, 20, 65}};
    for (const auto& s : sizes) {
        SCOPED_TRACE(s.perBlock);
        const auto lines = listing(s.size, counted(s.perBlock + 1));
        // two blocks of separator, slips, five rows, then the closing separator
        ASSERT_EQ(lines.size(), 15U);
        EXPECT_EQ(lines[0], " " + std::string(static_cast<std::size_t>(s.dashes), '-'));
        EXPECT_EQ(lines[14], lines[0]);
        for (int row = 2; row < 7; ++row)
            EXPECT_EQ(lines[static_cast<std::size_t>(row)].size(), lines[0].size());
        const std::string nextSlip = "Sch. N°" + std::string(s.perBlock / 5 + 1 < 10 ? 4 : 3, ' ') +
                                     std::to_string(s.perBlock / 5 + 1);
        EXPECT_EQ(lines[8].find(nextSlip), 2U) << lines[8];
    }
}

TEST(ColumnListing, SlipNumbersAlignRightInFiveCharacters) {
    // 5 000 columns of five a slip: the last block's slip numbers reach four digits.
    std::vector<std::string> lines;
    ColumnListing l(ListingSize::Normal, [&](const std::string& line) { lines.push_back(line); });
    for (const Column& c : counted(5000))
        l.add(c);
    l.finish();
    EXPECT_NE(lines[1].find("Sch. N°    1    Sch. N°    2"), std::string::npos);
    EXPECT_NE(lines[8].find("Sch. N°    6"), std::string::npos);
    EXPECT_NE(lines[7 * 19 + 1].find("Sch. N°   96"), std::string::npos);
    EXPECT_NE(lines[7 * 199 + 1].find("Sch. N°  996"), std::string::npos);
    EXPECT_EQ(lines[lines.size() - 7].find("Sch. N° 1000"), 2U + 4 * 17); // "°" takes two bytes
}

TEST(ListingNumbers, FieldsKeepTheBlankOfPositiveNumbers) {
    const struct {
        long long n;
        const char* text;
    } cases[] = {{5, " 5"}, {12, " 12"}, {0, " 0"}, {-3, "-3"}, {1906884, " 1906884"}};
    for (const auto& c : cases)
        EXPECT_EQ(numberField(c.n), c.text);
    const auto rows = listing(ListingSize::Normal, {{5, 12, 13, 14, 15}});
    EXPECT_EQ(rows[2], " | 5 ");
    EXPECT_EQ(rows[3], " | 12");
}

TEST(ListingReport, SectionsCarryTheirHeadingsAndEveryLevel) {
    Selection sel;
    for (int n : {3, 7, 12, 40})
        sel.setState(n, Selection::Chosen);
    sel.setState(7, Selection::Fixed);
    ConditionSet conditions;
    LevelLimits levels;
    Links links;
    Quadri quadri;
    FilterList filters;
    AndOrSet andOr;
    const ListingSources src{sel, conditions, levels, links, quadri, filters, andOr};

    const auto numbers = reportLines(ListingSection::Numbers, src);
    EXPECT_EQ(numbers[0], "<<--  Numeri in gioco  -->>");
    EXPECT_NE(numbers[1].find(" 3  7  12 40"), std::string::npos) << numbers[1];
    EXPECT_EQ(numbers[3], "<<--  Fisse  -->>");
    EXPECT_EQ(numbers[4], "    Fisse:  7 ");

    const auto cond = reportLines(ListingSection::Conditions, src);
    EXPECT_EQ(cond[0], "<<-- Condizioni -->>   <<- Recupero condizioni-->>");
    const auto levelsAt = std::find(cond.begin(), cond.end(), "     Livelli        Min.  Max");
    ASSERT_NE(levelsAt, cond.end());
    EXPECT_EQ(*(levelsAt - 1), "<<--  Impostazioni Livelli  -->>");
    EXPECT_EQ((levelsAt + 1)->rfind("            Liv. A  ", 0), 0U);
    EXPECT_EQ((levelsAt + kLevelCount)->rfind("            Liv. VV ", 0), 0U);
    EXPECT_NE(std::find(cond.begin(), cond.end(), "<<--    Livelli Mescolati   -->>"), cond.end());

    const auto linked = reportLines(ListingSection::LinksAndPoints, src);
    EXPECT_EQ(linked[0], "<<-- Link Condizione -->>");
    EXPECT_EQ(linked[1].rfind("  ERRORI AMMESSI TRA TUTTE LE Link --> Da=", 0), 0U);
    EXPECT_EQ(linked[2].rfind("  Link SBAGLIATI --> Da=", 0), 0U);
    EXPECT_EQ(linked[4], "<<-- Punti tra Condizione -->>");
}

TEST(ListingReport, FilterSectionsListWhatIsActive) {
    Selection sel;
    ConditionSet conditions;
    LevelLimits levels;
    Links links;
    Quadri quadri;
    FilterList filters;
    filters.columns = {{{3, 12, 25}, 0b001110, 0}, {{1, 2, 3, 4, 5, 6}, 0b100000, 0b000011}};
    AndOrSet andOr;
    const ListingSources src{sel, conditions, levels, links, quadri, filters, andOr};
    // Nothing active: the headings say so.
    EXPECT_EQ(reportLines(ListingSection::AndColumns, src),
              (std::vector<std::string>{"<<-- Colonne filtro AND -->>",
                                        "    Colonne filtro non attive.", ""}));
    EXPECT_EQ(
        reportLines(ListingSection::AndOrColumns, src),
        (std::vector<std::string>{"<<-- Quadri AND OR -->>", "    Nessun quadro attivo.", ""}));

    filters.active = true;
    EXPECT_EQ(
        reportLines(ListingSection::AndColumns, src),
        (std::vector<std::string>{
            "<<-- Colonne filtro AND -->>", "    Colonne filtro N° = 2",
            "     Col. N°    1  Punti: 1 2 3       Numeri:  3  12 25",
            "     Col. N°    2  Punti: 5           Numeri:  1  2  3  4  5  6   Consecutivi: 0 1",
            ""}));
    AndOrQuadro& q = andOr.quadri[1];
    q.active = true;
    q.orLogic = true;
    q.name = "Prova";
    q.guessed = {1, 3};
    q.points = {2, 8};
    q.columns = {{(std::uint64_t{1} << 7) | (std::uint64_t{1} << 9), 0b10}};
    andOr.quadri[4].columns = q.columns; // not active: left out
    andOr.orRequirement.set(1);
    EXPECT_EQ(
        reportLines(ListingSection::AndOrColumns, src),
        (std::vector<std::string>{"<<-- Quadri AND OR -->>", "  Quadri in OR da indovinare: 1",
                                  "              Quadro --> N° = 2  OR   Prova",
                                  "    Colonne Indovinate: Da= 1  A= 3   Punti Tra: Da= 2  A= 8",
                                  "     Col. N°    1  Punti: 1           Numeri:  7  9 ", ""}));
}

TEST(ListingSizeFile, ReadsFontSizesAndIndexes) {
    const struct {
        const char* text;
        ListingSize size;
    } cases[] = {
        {"0", ListingSize::Small},   {"9", ListingSize::Small}, {"1", ListingSize::Normal},
        {"12", ListingSize::Normal}, {"2", ListingSize::Large}, {"14", ListingSize::Large},
        {"x", ListingSize::Normal},  {"", ListingSize::Normal}, {"7", ListingSize::Normal}};
    for (const auto& c : cases) {
        TestFolder f{{"andor"}, std::string("v") + c.text};
        test::writeFile(f / "andor/caratt.txt", std::string(c.text) + "\r\n");
        EXPECT_EQ(readListingSize(f.folder()), c.size) << c.text;
    }
    TestFolder f({"andor"});
    std::string error;
    ASSERT_TRUE(writeListingSize(f.folder(), ListingSize::Large, error));
    EXPECT_EQ(test::readFile(f / "andor/caratt.txt"), "2\r\n");
}

TEST(PrintSettingsFiles, RoundTripAndBadFilesKeepTheDefaults) {
    TestFolder f;
    SlipPrintSettings slip;
    slip.perSlip = 3;
    slip.mode = MarkMode::LightGrey;
    slip.receipt = ReceiptChoice::Picture;
    slip.subscriptionDraws = 8;
    slip.theme = 4;
    slip.changePicture = true;
    slip.kept[6] = 77;
    CalibrationSettings cal;
    cal.shift = {SlipEntry::Centre, -120, 45};
    cal.ink = TestInk::Few;
    cal.marker = 2;
    cal.keptLine[19] = 5;
    std::string error;
    ASSERT_TRUE(writeSlipPrintSettings(f.folder(), slip, error)) << error;
    ASSERT_TRUE(writeCalibration(f.folder(), cal, error)) << error;
    std::optional<Notice> notice;
    EXPECT_EQ(readSlipPrintSettings(f.folder(), notice), slip);
    EXPECT_EQ(readCalibration(f.folder(), notice), cal);
    EXPECT_FALSE(notice);
    EXPECT_EQ(test::readFile(f / "enal/variestampa.txt").substr(0, 9), "3\t3\t2\t8\r\n");
    const std::string generic = test::readFile(f / "enal/generic.txt");
    EXPECT_EQ(std::count(generic.begin(), generic.end(), '\t'), 8 + 19);

    const struct {
        const char* file;
        const char* text;
    } bad[] = {
        {"enal/variestampa.txt", "6\t1\t0\t1\r\n"
                                 "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\r\n"},
        {"enal/variestampa.txt", "5\t1\t0\t1\r\n"},
        {"enal/variestampa.txt", "5\t1\t0\t1\r\n1 2 3\r\n"},
        {"enal/generic.txt", "0\t0\t0\t0\t0\t0\t0\t0\r\n"
                             "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\r\n"},
        {"enal/generic.txt", "a\tb\r\nc\r\n"},
        {"enal/generic.txt", "0\t9999\t0\t0\t0\t0\t0\t0\t0\r\n"
                             "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\r\n"},
    };
    for (const auto& b : bad) {
        SCOPED_TRACE(b.text);
        TestFolder g({"enal"}, "bad");
        test::writeFile(g / b.file, b.text);
        std::optional<Notice> n;
        EXPECT_EQ(readSlipPrintSettings(g.folder(), n), SlipPrintSettings{});
        EXPECT_EQ(readCalibration(g.folder(), n), CalibrationSettings{});
        ASSERT_TRUE(n);
        EXPECT_EQ(n->title, "File manomesso o inesistente:");
    }
}

} // namespace
} // namespace varnelo

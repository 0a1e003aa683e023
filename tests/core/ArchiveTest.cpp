#include "core/Archive.h"
#include "core/Delays.h"
#include "core/StatisticsSelection.h"
#include "stats/NumberStatistics.h"
#include "support/TestFolder.h"

using namespace varnelo;
using namespace varnelo::test;

TEST(Archive, MalformedLinesAreReportedByLineNumberAndNeverTakenAsDraws) {
    TestFolder t;
    const std::string good1 = drawLine({1, 2, 3, 4, 5}, 2, 1, 2016);
    const std::string good2 = drawLine({6, 7, 8, 9, 10}, 5, 1, 2016);
    // CRLF and LF mixed, Windows-1252 text after position 28, a blank line.
    writeFile(t / "enal/archivio.cna", good1 + " caff\xe8\r\n" + "05-08-21-37-50060823-03-2012\n" +
                                           "\r\n" + "03-02-04-05-06010204-01-2016\r\n" + good2);
    ArchiveContents a;
    std::string error;
    ASSERT_TRUE(readArchive(t / "enal/archivio.cna", kMaxArchiveLines, a, error));
    ASSERT_EQ(a.draws.size(), 2u);
    EXPECT_EQ(a.draws[0].text(), good1);
    EXPECT_EQ(a.draws[1].text(), good2);
    EXPECT_EQ(a.drawLines, (std::vector<std::size_t>{1, 5}));
    ASSERT_EQ(a.problems.size(), 2u);
    EXPECT_EQ(a.problems[0].line, 2u);
    EXPECT_EQ(a.problems[1].line, 4u);
    const Notice n = archiveProblemsNotice("enal/archivio.cna", a.problems);
    EXPECT_EQ(n.title, "Archivio non valido:");
    EXPECT_NE(n.lines[0].find("2 righe non valide"), std::string::npos);
    EXPECT_NE(n.lines[1].find("Riga 2"), std::string::npos);
}

TEST(Archive, MissingEmptyAndBinaryFiles) {
    TestFolder t;
    ArchiveContents a;
    std::string error;
    EXPECT_FALSE(readArchive(t / "enal/nessuno.cna", kMaxArchiveLines, a, error));
    EXPECT_NE(error.find("non esiste"), std::string::npos);
    writeFile(t / "enal/vuoto.cna", "");
    ASSERT_TRUE(readArchive(t / "enal/vuoto.cna", kMaxArchiveLines, a, error));
    EXPECT_TRUE(a.draws.empty());
    EXPECT_TRUE(a.problems.empty());
    std::string binary;
    for (int i = 0; i < 5000; ++i)
        binary += static_cast<char>((i * 7919) & 0xFF);
    writeFile(t / "enal/binario.cna", binary);
    ASSERT_TRUE(readArchive(t / "enal/binario.cna", kMaxArchiveLines, a, error));
    EXPECT_TRUE(a.draws.empty());
    EXPECT_FALSE(a.problems.empty());
}

TEST(Archive, ReadingStopsAtTheBound) {
    TestFolder t;
    std::string text;
    for (int i = 0; i < 10; ++i)
        text += drawLine({1, 2, 3, 4, 5}, 1 + i, 1, 2016) + "\r\n";
    writeFile(t / "enal/archivio.cna", text);
    ArchiveContents a;
    std::string error;
    ASSERT_TRUE(readArchive(t / "enal/archivio.cna", 7, a, error));
    EXPECT_EQ(a.draws.size(), 7u);
}

namespace {

// Jan 2016: Sat 2, Tue 5, Thu 7, Sat 9; Feb 2016: Tue 2, Thu 4, Sat 6.
std::vector<std::string> sixMonthsStart() {
    return {drawLine({1, 2, 3, 4, 5}, 2, 1, 2016),  drawLine({2, 3, 4, 5, 6}, 5, 1, 2016),
            drawLine({3, 4, 5, 6, 7}, 7, 1, 2016),  drawLine({4, 5, 6, 7, 8}, 9, 1, 2016),
            drawLine({5, 6, 7, 8, 9}, 2, 2, 2016),  drawLine({6, 7, 8, 9, 10}, 4, 2, 2016),
            drawLine({7, 8, 9, 10, 11}, 6, 2, 2016)};
}

std::vector<std::string> dates(const std::filesystem::path& p) {
    std::vector<std::string> out;
    for (const auto& l : fileLines(p))
        out.push_back(l.substr(18, 10));
    return out;
}

void writeMaster(const TestFolder& t) {
    std::string text;
    for (const auto& l : sixMonthsStart())
        text += l + "\r\n";
    writeFile(t / "enal/archivio.cna", text);
}

} // namespace

TEST(StatisticsSelection, RangeAfterItsEndOrNoMonthGivesAnEmptySelection) {
    TestFolder t;
    writeMaster(t);
    SearchSettings s;
    s.first = 5;
    s.last = 4;
    auto out = buildStatisticsSelection(t.folder(), s);
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(out.count, 0);
    EXPECT_EQ(readFile(t / "enal/archivio2.cna"), "");
    s = SearchSettings{};
    s.months.fill(false);
    out = buildStatisticsSelection(t.folder(), s);
    EXPECT_EQ(out.count, 0);
    EXPECT_EQ(readFile(t / "enal/archivio2.cna"), "");
    EXPECT_EQ(countStatisticsSelection(t.folder(), SearchSettings{}).count, 7);
}

TEST(StatisticsSelection, WeekdayBoxLeavesOutADrawWhoseMonthAndPositionAreTicked) {
    TestFolder t;
    writeMaster(t);
    SearchSettings s;
    s.weekdays[5] = false; // Sabato
    const auto out = buildStatisticsSelection(t.folder(), s);
    EXPECT_EQ(out.count, 4);
    EXPECT_EQ(dates(t / "enal/archivio2.cna"),
              (std::vector<std::string>{"05-01-2016", "07-01-2016", "02-02-2016", "04-02-2016"}));
}

TEST(StatisticsSelection, PositionRestartsEveryMonthAndCountsOnlyDrawsInTheRange) {
    TestFolder t;
    writeMaster(t);
    SearchSettings s;
    s.positions.fill(false);
    s.positions[0] = true; // only the first draw of each month
    buildStatisticsSelection(t.folder(), s);
    EXPECT_EQ(dates(t / "enal/archivio2.cna"),
              (std::vector<std::string>{"02-01-2016", "02-02-2016"}));
    // Draws skipped by the range do not count: starting at the 2nd draw of
    // January, 05-01 is the first examined draw of its month.
    s.first = 2;
    buildStatisticsSelection(t.folder(), s);
    EXPECT_EQ(dates(t / "enal/archivio2.cna"),
              (std::vector<std::string>{"05-01-2016", "02-02-2016"}));
    // Draws left out by a later box still take their place in the month.
    s = SearchSettings{};
    s.positions.fill(false);
    s.positions[1] = true;
    s.weekdays[5] = false;
    buildStatisticsSelection(t.folder(), s);
    EXPECT_EQ(dates(t / "enal/archivio2.cna"),
              (std::vector<std::string>{"05-01-2016", "04-02-2016"}));
}

TEST(StatisticsSelection, LongerLineIsCopiedTruncatedTo28Characters) {
    TestFolder t;
    writeFile(t / "enal/archivio.cna", std::string(kFirstArchiveLine) + "\r\n" +
                                           drawLine({1, 2, 3, 4, 5}, 27, 3, 2012) + "X\r\n");
    const auto out = buildStatisticsSelection(t.folder(), SearchSettings{});
    EXPECT_EQ(out.count, 2);
    EXPECT_EQ(readFile(t / "enal/archivio2.cna"),
              "05-08-21-37-46060823-03-2012\r\n" + drawLine({1, 2, 3, 4, 5}, 27, 3, 2012) + "\r\n");
}

TEST(StatisticsSelection, SettingsFileRoundTripAndShortFile) {
    TestFolder t;
    SearchSettings s;
    s.months[3] = false;
    s.positions[13] = false;
    s.weekdays[6] = false;
    s.examine = {1, 0};
    s.first = 12;
    s.last = 345;
    std::string error;
    ASSERT_TRUE(saveSearchSettings(t.folder(), s, error)) << error;
    EXPECT_EQ(fileLines(t / "enal/Ricerca.txt").size(), 37u);
    EXPECT_EQ(loadSearchSettings(t.folder()), s);
    writeFile(t / "enal/Ricerca.txt", "0\r\n1\r\nzz\r\n");
    const SearchSettings shortOne = loadSearchSettings(t.folder());
    EXPECT_FALSE(shortOne.months[0]);
    EXPECT_TRUE(shortOne.months[1]);
    EXPECT_TRUE(shortOne.months[2]); // unreadable: default
    EXPECT_EQ(shortOne.last, SearchSettings{}.last);
}

TEST(StatisticsSelection, PersonalArchiveBecomesTheSelection) {
    TestFolder t;
    writeMaster(t);
    writeFile(t / "enal/archivio2.cna", "");
    writeFile(t / "enal/mio.cna", drawLine({1, 2, 3, 4, 5}, 2, 1, 2016) + "\r\n");
    writeFile(t / "enal/Altro.CNA", "");
    writeFile(t / "enal/note.txt", "");
    EXPECT_EQ(personalArchives(t.folder()),
              (std::vector<std::string>{"Altro.CNA", "archivio.cna", "mio.cna"}));
    const auto out = usePersonalArchive(t.folder(), "mio.cna");
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(out.count, 1);
    ASSERT_EQ(out.notices.size(), 1u);
    EXPECT_EQ(out.notices[0],
              (Notice{"Archivio Cambiato:",
                      {"Archivio cambiato.", "da questo momento il programma usera ",
                       "questo archivio per fare Statistiche =  mio.cna"}}));
    EXPECT_EQ(fileLines(t / "enal/archivio2.cna").size(), 1u);
    EXPECT_FALSE(usePersonalArchive(t.folder(), "../qor/x.cna").ok);
}

TEST(Delays, NeverDrawnNumberHasTheSelectionSizeAndAgreesWithTheNumberTable) {
    TestFolder t;
    writeMaster(t);
    ASSERT_TRUE(buildStatisticsSelection(t.folder(), SearchSettings{}).ok);
    ArchiveFigures f;
    EXPECT_TRUE(refreshArchiveFigures(t.folder(), f).empty());
    EXPECT_EQ(f.statisticsCount, 7);
    EXPECT_EQ(f.delays[49], 7);
    EXPECT_EQ(f.delays[11], 0);
    EXPECT_EQ(f.delays[1], 6);
    EXPECT_EQ(f.delays[6], 1);
    const NumberStatistics table = computeNumberStatistics(f.selection);
    for (int n = 1; n <= kMaxNumber; ++n)
        EXPECT_EQ(table.rows[static_cast<std::size_t>(n)].delay,
                  f.delays[static_cast<std::size_t>(n)])
            << n;
    // A selection that cannot be read leaves the figures as they were.
    std::filesystem::remove(t / "enal/archivio2.cna");
    const ArchiveFigures before = f;
    EXPECT_FALSE(refreshArchiveFigures(t.folder(), f).empty());
    EXPECT_EQ(f, before);
}

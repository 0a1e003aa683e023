#include "checking/ArchiveView.h"
#include "checking/RandomCombination.h"
#include "checking/WinningColumnFile.h"
#include "support/TestFolder.h"

using namespace varnelo;
using namespace varnelo::test;

TEST(ArchiveView, StepsStayWithinTheDraws) {
    const struct {
        int index, count;
        ArchiveStep step;
        int expected;
    } cases[] = {
        {1, 5, ArchiveStep::Previous, 1}, // before the first: unchanged
        {2, 5, ArchiveStep::Previous, 1},
        {5, 5, ArchiveStep::Next, 5}, // past the last: unchanged
        {4, 5, ArchiveStep::Next, 5},
        {3, 5, ArchiveStep::First, 1},
        {3, 5, ArchiveStep::Last, 5},
        {1, 1, ArchiveStep::Next, 1},
        {1, 1, ArchiveStep::Previous, 1},
        {0, 0, ArchiveStep::Last, 0}, // no archive: nothing to show
    };
    for (const auto& c : cases)
        EXPECT_EQ(stepArchive(c.index, c.count, c.step), c.expected)
            << c.index << "/" << c.count << " " << static_cast<int>(c.step);
}

TEST(ArchiveView, KeepsTheNewestFiveThousandDraws) {
    TestFolder t;
    std::string archive;
    for (int i = 0; i < 5003; ++i)
        archive += drawLine({1 + i % 40, 42, 43, 44, 45}, 1 + i % 28, 1 + i / 28 % 12,
                            2000 + i / 336, 1 + i % 10, 1 + (i + 1) % 10) +
                   "\r\n";
    writeFile(t / "enal/archivio.cna", archive + "rotta\r\n");
    std::vector<Notice> notices;
    const std::vector<Draw> view = loadArchiveView(t.folder(), notices);
    ASSERT_EQ(view.size(), kArchiveViewDraws);
    EXPECT_EQ(view.front().numbers[0], 1 + 3 % 40); // draws 1..3 left out
    EXPECT_EQ(view.back().numbers[0], 1 + 5002 % 40);
    ASSERT_EQ(notices.size(), 1u); // the bad last line
    EXPECT_EQ(notices[0].title, "Archivio non valido:");

    notices.clear();
    const TestFolder empty;
    EXPECT_TRUE(loadArchiveView(empty.folder(), notices).empty());
    EXPECT_EQ(notices.size(), 1u);
}

TEST(ArchiveView, ADrawMarksItsNumbersAndBothNumeroni) {
    Draw d;
    std::string reason;
    ASSERT_TRUE(parseDrawLine("05-08-21-37-46060823-03-2012", d, reason));
    const Combination c = combinationOfDraw(d);
    EXPECT_EQ(c.markedNumbers(), (std::vector<int>{5, 8, 21, 37, 46}));
    EXPECT_EQ(c.markedNumeroni(), (std::vector<int>{6, 8}));
    EXPECT_EQ(archiveDateLabel(d), "Del venerdì, 23 marzo 2012");
    EXPECT_EQ(archiveCaption(12), "Archivio 12");
}

TEST(WinningColumnFile, KeepsTheMarksBetweenSessions) {
    TestFolder t;
    Combination none;
    EXPECT_FALSE(loadWinningColumn(t.folder(), none)); // missing: quietly empty
    EXPECT_TRUE(none.markedNumbers().empty());

    Combination c;
    for (int n : {3, 17, 29, 44, 50, 12, 1})
        c.numbers[static_cast<std::size_t>(n)] = true;
    c.numeroni[4] = true;
    std::string error;
    ASSERT_TRUE(saveWinningColumn(t.folder(), c, error)) << error;
    const std::vector<std::string> lines = fileLines(t / "enal/colonnavincente.txt");
    ASSERT_EQ(lines.size(), 50u);
    EXPECT_EQ(lines[0], "1");
    EXPECT_EQ(lines[1], "0");
    EXPECT_EQ(lines[49], "1");
    EXPECT_EQ(readFile(t / "enal/colonnavincente.txt").substr(0, 6), "1\r\n0\r\n");
    Combination back;
    EXPECT_FALSE(loadWinningColumn(t.folder(), back));
    EXPECT_EQ(back.markedNumbers(), c.markedNumbers());
    EXPECT_TRUE(back.markedNumeroni().empty()); // only the 50 marks are kept
}

TEST(WinningColumnFile, ABadFileGivesItsNoticeAndChangesNothing) {
    std::string fifty;
    for (int i = 0; i < 50; ++i)
        fifty += i == 4 ? "1\n" : "0\n";
    const struct {
        const char* what;
        std::string text;
        bool good;
    } cases[] = {
        {"fifty lines", fifty, true},
        {"blank lines after the last", fifty + "\n  \n", true},
        {"forty-nine lines", fifty.substr(2), false},
        {"fifty-one lines", fifty + "0\n", false},
        {"a 2", "2\n" + fifty.substr(2), false},
        {"a word", "uno\n" + fifty.substr(2), false},
        {"empty", "", false},
    };
    for (const auto& c : cases) {
        Combination combination;
        combination.numbers[9] = true;
        const auto notice = parseWinningColumn(c.text, combination);
        EXPECT_EQ(!notice, c.good) << c.what;
        if (c.good) {
            EXPECT_EQ(combination.markedNumbers(), std::vector<int>{5}) << c.what;
        } else {
            EXPECT_EQ(notice->title, "Colonna vincente:") << c.what;
            EXPECT_EQ(combination.markedNumbers(), std::vector<int>{9}) << c.what;
        }
    }
}

TEST(RandomCombination, DrawsFiveNumbersOfTheSystemWithItsFixedOnes) {
    Selection s;
    for (int n : {4, 9, 13, 22, 27, 31, 38, 45})
        s.setState(n, Selection::Chosen);
    s.setState(13, Selection::Fixed);
    s.setState(45, Selection::Fixed);
    for (std::uint64_t seed = 1; seed <= 200; ++seed) {
        const Combination c = randomCombination(s, seed);
        const std::vector<int> marked = c.markedNumbers();
        ASSERT_EQ(marked.size(), 5u) << seed;
        for (int n : marked)
            EXPECT_NE(s.state(n), Selection::NotChosen) << seed << " " << n;
        EXPECT_TRUE(c.numbers[13] && c.numbers[45]) << seed;
        ASSERT_EQ(c.markedNumeroni().size(), 1u) << seed;
        EXPECT_LE(c.markedNumeroni()[0], kMaxNumerone);
    }
    Selection few;
    for (int n : {7, 8, 9})
        few.setState(n, Selection::Chosen);
    EXPECT_EQ(randomCombination(few, 3).markedNumbers(), (std::vector<int>{7, 8, 9}));
    EXPECT_NE(randomCombination(s, 1), randomCombination(s, 2));
}

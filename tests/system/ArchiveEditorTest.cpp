#include "system/ArchiveEditor.h"
#include "core/StatisticsSelection.h"
#include "support/TestFolder.h"
#include "system/SystemStorage.h"

using namespace varnelo;
using namespace varnelo::test;

namespace {

// n draws, three a week from the fixed first line, CRLF ends.
std::string archiveOf(int n) {
    std::string text = std::string(kFirstArchiveLine) + "\r\n";
    Draw d;
    std::string why;
    parseDrawLine(kFirstArchiveLine, d, why);
    for (int i = 1; i < n; ++i) {
        int day = d.day + 2, month = d.month, year = d.year;
        while (!isValidDate(day, month, year)) {
            day -= 28;
            if (++month > 12) {
                month = 1;
                ++year;
            }
        }
        d.day = day;
        d.month = month;
        d.year = year;
        d.numbers = {static_cast<std::uint8_t>(1 + i % 40), static_cast<std::uint8_t>(42),
                     static_cast<std::uint8_t>(43), static_cast<std::uint8_t>(44),
                     static_cast<std::uint8_t>(45)};
        text += d.text() + "\r\n";
    }
    return text;
}

EditorEntry entry(std::array<int, 5> n, int e1, int e2, int day, int month, int year) {
    EditorEntry e;
    for (std::size_t i = 0; i < 5; ++i)
        e.numbers[i] = std::to_string(n[i]);
    e.numeroni = {std::to_string(e1), std::to_string(e2)};
    e.day = std::to_string(day);
    e.month = std::to_string(month);
    e.year = std::to_string(year);
    return e;
}

} // namespace

TEST(ArchiveEditor, OkOnAnUnchangedGridRewritesAnIdenticalFile) {
    for (int n : {3, 4600}) {
        TestFolder t;
        const std::string old = archiveOf(n);
        writeFile(t / "enal/archivio.cna", old);
        ArchiveEditor editor;
        std::vector<Notice> notices;
        ASSERT_TRUE(editor.open(t.folder(), notices));
        EXPECT_TRUE(notices.empty());
        EXPECT_EQ(editor.drawCount(), n);
        EXPECT_EQ(editor.rows().size(), std::min<std::size_t>(n, ArchiveEditor::kLoadedDraws));
        ASSERT_TRUE(editor.commit(t.folder()).done());
        // The first line keeps its trailing characters, so a restore still accepts the archive.
        EXPECT_EQ(readFile(t / "enal/archivio.cna"), old) << n;
        EXPECT_FALSE(std::filesystem::exists(t / "enal/archivio.cnn"));
        EXPECT_EQ(fileLines(t / "qor/archivio.cna").size(), static_cast<std::size_t>(n));
        const auto sse = fileLines(t / "qor/archivio.sse");
        ASSERT_EQ(sse.size(), 4u);
        // Counts in fields 6, 8 and 9; fields 12-14 seal the columns file.
        std::vector<long long> header;
        ASSERT_TRUE(readList(sse[0], header));
        std::vector<long long> expected(20, 0);
        expected[5] = expected[7] = expected[8] = expected[12] = n;
        expected[11] = 1;
        expected[13] = header[13];
        EXPECT_EQ(header, expected);
        ProgramState opened(t.folder());
        Progress progress;
        const TaskOutcome out = openSystem(opened, "archivio", progress);
        EXPECT_TRUE(out.done() && !out.notice) << n;
        EXPECT_EQ(opened.columns.storedCount, n);
        EXPECT_EQ(sse[3], "Sistema Colonnare");
        EXPECT_EQ(fileLines(t / "qor/archivio.cna")[0], "5  8  21 37 46 ");
    }
}

TEST(ArchiveEditor, AddChecksEveryFieldAndLeavesTheGridOnError) {
    TestFolder t;
    writeFile(t / "enal/archivio.cna", archiveOf(2));
    ArchiveEditor editor;
    std::vector<Notice> notices;
    ASSERT_TRUE(editor.open(t.folder(), notices));
    const EditorEntry bad[] = {
        entry({1, 2, 3, 4, 50}, 1, 2, 16, 6, 2016), entry({0, 2, 3, 4, 5}, 1, 2, 16, 6, 2016),
        entry({1, 2, 3, 5, 4}, 1, 2, 16, 6, 2016),  entry({1, 2, 2, 4, 5}, 1, 2, 16, 6, 2016),
        entry({1, 2, 3, 4, 5}, 11, 2, 16, 6, 2016), entry({1, 2, 3, 4, 5}, 1, 0, 16, 6, 2016),
        entry({1, 2, 3, 4, 5}, 1, 2, 32, 6, 2016),  entry({1, 2, 3, 4, 5}, 1, 2, 16, 13, 2016),
        entry({1, 2, 3, 4, 5}, 1, 2, 31, 6, 2016),  entry({1, 2, 3, 4, 5}, 1, 2, 16, 6, 16)};
    for (const auto& e : bad) {
        const auto n = editor.add(e);
        ASSERT_TRUE(n.has_value());
        EXPECT_EQ(n->title, "Informazione:");
        EXPECT_EQ(n->lines.size(), 4u);
        EXPECT_EQ(n->lines[0], "Inserire nel campo data la data = Es. 16  6  2016");
    }
    EditorEntry typed = entry({1, 2, 3, 4, 5}, 1, 2, 16, 6, 2016);
    typed.numbers[0] = "x";
    EXPECT_TRUE(editor.add(typed).has_value());
    EXPECT_EQ(editor.rows().size(), 2u);

    EXPECT_FALSE(editor.add(entry({3, 7, 9, 12, 45}, 4, 10, 16, 6, 2016)).has_value());
    ASSERT_EQ(editor.rows().size(), 3u);
    EXPECT_EQ(editor.rows()[2], (EditorRow{"16-06-2016", "03-07-09-12-45", "04", "10", ""}));
    EXPECT_EQ(editor.removeQuestion(0), "Eliminare la colonna con Data = 23-03-2012");
    ASSERT_TRUE(editor.remove(1));
    ASSERT_TRUE(editor.commit(t.folder()).done());
    EXPECT_EQ(readFile(t / "enal/archivio.cna"),
              std::string(kFirstArchiveLine) + "\r\n03-07-09-12-45041016-06-2016\r\n");
}

TEST(ArchiveEditor, MalformedLinesAreReportedAndDroppedByOk) {
    TestFolder t;
    writeFile(t / "enal/archivio.cna", std::string(kFirstArchiveLine) +
                                           "\r\n05-08-21-37-99060823-03-2012\r\n" +
                                           drawLine({1, 2, 3, 4, 5}, 24, 3, 2012) + "\r\n");
    ArchiveEditor editor;
    std::vector<Notice> notices;
    ASSERT_TRUE(editor.open(t.folder(), notices));
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_EQ(notices[0].title, "Archivio non valido:");
    EXPECT_EQ(notices[1].title, "Aggiornamento archivio:");
    EXPECT_EQ(editor.rows().size(), 2u);
    ASSERT_TRUE(editor.commit(t.folder()).done());
    EXPECT_EQ(fileLines(t / "enal/archivio.cna").size(), 2u);
}

TEST(ArchiveEditor, MissingArchiveIsReported) {
    TestFolder t;
    ArchiveEditor editor;
    std::vector<Notice> notices;
    EXPECT_FALSE(editor.open(t.folder(), notices));
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].title, "Archivio:");
}

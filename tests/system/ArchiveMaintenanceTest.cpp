#include "system/ArchiveMaintenance.h"
#include "core/Archive.h"
#include "core/StatisticsSelection.h"
#include "support/ArchiveLines.h"
#include "support/TestFolder.h"

using namespace varnelo;
using namespace varnelo::test;

namespace {

// A program folder whose archive holds the first n master draws.
struct ArchiveFolder {
    TestFolder t;
    std::string archive;
    explicit ArchiveFolder(int n, const std::string& tag = {})
        : t({"enal", "qor"}, tag), archive(crlfText(masterLines(1, n))) {
        writeFile(t / "enal/archivio.cna", archive);
    }
    std::string current() const { return readFile(t / "enal/archivio.cna"); }
};

} // namespace

TEST(ArchiveMaintenance, UpdateReplacesTheArchiveAndRebuildsTheArchiveSystem) {
    ArchiveFolder f(3000);
    writeFile(f.t / "blocco.txt", crlfText(masterLines(2651, 400)));
    const ArchiveUpdateOutcome out = updateArchive(f.t.folder(), f.t / "blocco.txt");
    EXPECT_EQ(out.kind, UpdateKind::Updated);
    EXPECT_EQ(out.report, (std::vector<std::string>{
                              "Aggiornamento effettuato regolarmente dell'archivio (Colonne "
                              "vincenti).",
                              "Estrazioni nuove: 50"}));
    EXPECT_EQ(f.current(), crlfText(masterLines(1, 3050)));
    EXPECT_FALSE(std::filesystem::exists(f.t / "enal/archivio.cnn"));
    // The archive as a system counts every draw.
    EXPECT_NE(readFile(f.t / "qor/archivio.sse").find("3050"), std::string::npos);
}

TEST(ArchiveMaintenance, AnUpdateThatDoesNotApplyLeavesTheArchiveByteForByte) {
    struct Case {
        std::string block;
        UpdateKind kind;
        const char* firstLine;
    };
    const Case cases[] = {
        {crlfText(masterLines(2651, 350)), UpdateKind::AlreadyCurrent,
         "Aggiornamento non disponibile."},
        {crlfText(masterLines(3002, 10)), UpdateKind::Refused, "Aggiornamento non effettuato:"},
        {"", UpdateKind::Refused, "Aggiornamento non effettuato:"},
    };
    int tag = 0;
    for (const Case& c : cases) {
        // LF ends and a tail after the last draw: a rewrite would show.
        ArchiveFolder f(3000, std::to_string(tag++));
        std::string odd;
        for (const auto& line : masterLines(1, 3000))
            odd += line + "\n";
        odd.insert(odd.size() - 1, " nota");
        writeFile(f.t / "enal/archivio.cna", odd);
        const ArchiveUpdateOutcome out = updateArchiveWithDownload(f.t.folder(), c.block);
        EXPECT_EQ(out.kind, c.kind) << c.block.size();
        ASSERT_FALSE(out.report.empty());
        EXPECT_EQ(out.report.front(), c.firstLine);
        EXPECT_EQ(f.current(), odd);
        EXPECT_FALSE(std::filesystem::exists(f.t / "enal/cambiasn.cgg"));
    }
}

TEST(ArchiveMaintenance, ADownloadedBlockIsDeletedAfterTheUpdate) {
    ArchiveFolder f(3000);
    const ArchiveUpdateOutcome out =
        updateArchiveWithDownload(f.t.folder(), crlfText(masterLines(2651, 400)));
    EXPECT_EQ(out.kind, UpdateKind::Updated);
    EXPECT_EQ(f.current(), crlfText(masterLines(1, 3050)));
    EXPECT_FALSE(std::filesystem::exists(f.t / "enal/cambiasn.cgg"));
}

TEST(ArchiveMaintenance, TheStatisticsSelectionFollowsTheArchiveWhenItWasBuiltFromIt) {
    struct Case {
        const char* what;
        std::int32_t first, last; // saved range; 0 = no selection built yet
        bool personal;            // a personal archive is in use
        std::size_t firstDraw, drawsAfter;
    };
    const Case cases[] = {
        {"no selection yet", 0, 0, false, 1, 3050},
        {"default range", 1, static_cast<std::int32_t>(kMaxArchiveLines), false, 1, 3050},
        {"range to the last draw", 100, 3000, false, 100, 2951},
        {"range that ends earlier", 100, 2000, false, 100, 1901},
        {"personal archive", 1, static_cast<std::int32_t>(kMaxArchiveLines), true, 1, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ArchiveFolder f(3000, c.what);
        std::string error;
        if (c.first > 0) {
            SearchSettings s;
            s.first = c.first;
            s.last = c.last;
            ASSERT_TRUE(saveSearchSettings(f.t.folder(), s, error)) << error;
            ASSERT_TRUE(buildStatisticsSelection(f.t.folder(), s).ok);
        }
        if (c.personal)
            writeFile(f.t / "enal/archivio2.cna", crlfText(masterLines(1, 10)));
        writeFile(f.t / "blocco.txt", crlfText(masterLines(2651, 400)));
        ASSERT_EQ(updateArchive(f.t.folder(), f.t / "blocco.txt").kind, UpdateKind::Updated);

        ArchiveContents selection;
        ASSERT_TRUE(readArchive(f.t / "enal/archivio2.cna", kMaxArchiveLines, selection, error));
        ASSERT_EQ(selection.draws.size(), c.drawsAfter);
        EXPECT_EQ(selection.draws.front().text(),
                  masterLines(c.firstDraw, 1).front().substr(0, 28));
    }
}

TEST(ArchiveMaintenance, BackupWritesArchivioCnaInsideTheFolder) {
    for (const char* dir : {"copie", "copie/"}) {
        ArchiveFolder f(40, dir[5] ? "slash" : "plain");
        std::filesystem::create_directories(f.t / "copie");
        const ArchiveCopyOutcome out = backupArchive(f.t.folder(), f.t.root / dir);
        EXPECT_TRUE(out.done);
        EXPECT_EQ(readFile(f.t / "copie/archivio.cna"), f.archive) << dir;
        ASSERT_TRUE(out.notice);
        EXPECT_EQ(out.notice->title, "Copia:");
        EXPECT_EQ(out.notice->lines.at(0), "Copia effettuata con successo:");
        EXPECT_EQ(std::filesystem::path(out.notice->lines.at(1)), f.t / "copie/archivio.cna");
    }
}

TEST(ArchiveMaintenance, RestoreRefusesForeignAndDamagedArchives) {
    struct Case {
        std::string file;
        const char* reason;
    };
    auto damaged = masterLines(1, 60);
    damaged[9] = "05-08-21-37-46";
    const Case cases[] = {
        {crlfText(masterLines(2, 60)), "L'archivio in questione non è del Varnelo."},
        {"ciao\r\n", "L'archivio in questione non è del Varnelo."},
        {crlfText(damaged), "riga 10"},
    };
    int tag = 0;
    for (const Case& c : cases) {
        ArchiveFolder f(40, std::to_string(tag++));
        writeFile(f.t / "altrove/archivio.cna", c.file);
        const ArchiveCopyOutcome out = restoreArchive(f.t.folder(), f.t / "altrove");
        EXPECT_FALSE(out.done);
        ASSERT_TRUE(out.notice);
        EXPECT_EQ(out.notice->title, "Errore:");
        EXPECT_EQ(out.notice->lines.at(0), "Ripristino non effettuato:");
        EXPECT_NE(out.notice->lines.at(1).find(c.reason), std::string::npos)
            << out.notice->lines.at(1);
        EXPECT_EQ(f.current(), f.archive);
        EXPECT_FALSE(std::filesystem::exists(f.t / "enal/archivio.bak"));
    }
}

TEST(ArchiveMaintenance, RestoreKeepsTheOldArchiveAsBak) {
    ArchiveFolder f(40);
    const std::string saved = crlfText(masterLines(1, 70));
    writeFile(f.t / "altrove/archivio.cna", saved);
    const ArchiveCopyOutcome out = restoreArchive(f.t.folder(), f.t / "altrove");
    EXPECT_TRUE(out.done);
    ASSERT_TRUE(out.notice);
    EXPECT_EQ(out.notice->title, "Ripristico:");
    EXPECT_EQ(out.notice->lines.at(0), "Ripristino effettuato con successo:");
    EXPECT_EQ(f.current(), saved);
    EXPECT_EQ(readFile(f.t / "enal/archivio.bak"), f.archive);
    EXPECT_NE(readFile(f.t / "qor/archivio.sse").find("70"), std::string::npos);
}

TEST(ArchiveMaintenance, RestoreOfAnEmptyFileDoesNothing) {
    ArchiveFolder f(40);
    writeFile(f.t / "altrove/archivio.cna", "");
    const ArchiveCopyOutcome out = restoreArchive(f.t.folder(), f.t / "altrove");
    EXPECT_FALSE(out.done);
    EXPECT_FALSE(out.notice);
    EXPECT_EQ(f.current(), f.archive);
}

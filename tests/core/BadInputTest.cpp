#include "core/ColumnsFileFormat.h"
#include "core/StatisticsSelection.h"
#include "core/TextColumns.h"
#include "support/TestFolder.h"
#include "system/ArchiveEditor.h"
#include "system/SystemStorage.h"

using namespace varnelo;
using namespace varnelo::test;

// Every file this part of the program reads, fed truncated, empty, binary and
// oversized: each reader answers with an Italian notice or keeps its
// defaults, and nothing crashes.
namespace {

enum class Variant { Truncated, Empty, Binary, Oversized };

std::string binaryBytes() {
    std::string b;
    std::uint32_t x = 12345;
    for (int i = 0; i < 20000; ++i) {
        x = x * 1103515245u + 12345u;
        b += static_cast<char>(x >> 24);
    }
    return b;
}

void put(const TestFolder& t, const std::string& rel, const std::string& good, Variant v) {
    const auto path = t / rel;
    switch (v) {
    case Variant::Truncated:
        writeFile(path, good.substr(0, good.size() / 2 + 3));
        break;
    case Variant::Empty:
        writeFile(path, "");
        break;
    case Variant::Binary:
        writeFile(path, binaryBytes());
        break;
    case Variant::Oversized:
        // Sparse: 300 MB of zero bytes that take no room on the disk.
        writeFile(path, "");
        std::filesystem::resize_file(path, 300u << 20);
        break;
    }
}

std::string goodArchive() {
    std::string s = std::string(kFirstArchiveLine) + "\r\n";
    for (int d = 1; d <= 20; ++d)
        s += drawLine({1, 2, 3, 4, 5 + d}, d, 4, 2012) + "\r\n";
    return s;
}

std::string goodColumns(int n) {
    std::string s;
    for (int i = 0; i < n; ++i)
        appendColumnLine(s, Column{1, 2, 3, 4, static_cast<std::uint8_t>(5 + i)});
    return s;
}

bool italian(const Notice& n) {
    return !n.title.empty() && n.title.back() == ':' && !n.lines.empty();
}
bool anyItalian(const std::vector<Notice>& ns) {
    return std::any_of(ns.begin(), ns.end(), italian);
}

const Variant kVariants[] = {Variant::Truncated, Variant::Empty, Variant::Binary,
                             Variant::Oversized};

} // namespace

TEST(BadInput, ArchiveFiles) {
    for (Variant v : kVariants) {
        TestFolder t;
        put(t, "enal/archivio.cna", goodArchive(), v);
        put(t, "enal/archivio2.cna", goodArchive(), v);
        put(t, "enal/mio.cna", goodArchive(), v);
        const bool noDraws = v == Variant::Empty;

        ArchiveFigures figures;
        const auto refreshed = refreshArchiveFigures(t.folder(), figures);
        EXPECT_TRUE(noDraws ? figures.statisticsCount == 0 : anyItalian(refreshed)) << int(v);
        const auto selection = buildStatisticsSelection(t.folder(), SearchSettings{});
        EXPECT_TRUE(noDraws ? selection.ok && selection.count == 0 : anyItalian(selection.notices))
            << int(v);
        ArchiveEditor editor;
        std::vector<Notice> notices;
        editor.open(t.folder(), notices);
        EXPECT_TRUE(noDraws ? editor.rows().empty() : anyItalian(notices)) << int(v);
        const TaskOutcome system = buildArchiveSystem(t.folder());
        EXPECT_TRUE(noDraws ? system.done() : system.notice && italian(*system.notice)) << int(v);
        const auto personal = usePersonalArchive(t.folder(), "mio.cna");
        EXPECT_TRUE(anyItalian(personal.notices)) << int(v);
    }
}

TEST(BadInput, SystemFiles) {
    SystemSettings five;
    five.counts = {5, 5, 5, 5};
    const std::string settings = formatSystemSettings(five, true);
    for (Variant v : kVariants) {
        TestFolder t;
        Progress progress;
        ProgramState s(t.folder());
        s.systemName = "corrente";
        // A damaged settings file: refused, or (empty) a cleared system.
        put(t, "qor/rotto.sse", settings, v);
        TaskOutcome out = openSystem(s, "rotto", progress);
        if (v == Variant::Empty) {
            EXPECT_TRUE(out.done());
        } else {
            ASSERT_TRUE(out.notice) << int(v);
            EXPECT_EQ(*out.notice, damagedSystemNotice("rotto"));
            EXPECT_EQ(s.systemName, "corrente");
        }
        // Good settings, damaged columns: the system opens without columns.
        writeFile(t / "qor/colonne.sse", settings);
        put(t, "qor/colonne.cna", goodColumns(5), v);
        out = openSystem(s, "colonne", progress);
        ASSERT_TRUE(out.notice) << int(v);
        EXPECT_EQ(out.notice->title, "Caricamento colonne:");
        EXPECT_EQ(s.columns.storedCount, 0);
        // A damaged overflow file stops the save and keeps the old columns file.
        put(t, "qor/qor.qor", goodColumns(5), v);
        s.columns.store(1, Column{1, 2, 3, 4, 5});
        s.columns.storedCount = 1;
        s.columns.systemTotal = 6;
        AtomicWriter w(t / "qor/colonne.cna");
        ASSERT_TRUE(w.open());
        out = writeColumns(w, t.folder(), s.columns, progress);
        EXPECT_EQ(out.status, TaskStatus::Failed);
        ASSERT_TRUE(out.notice);
        EXPECT_EQ(out.notice->title, "Salvataggio non riuscito:");
        // Columns imported from a damaged text file.
        put(t, "testo.txt", "1 2 3 4 5\r\n6 7 8 9 10\r\n", v);
        ColumnStore store;
        Selection selection;
        SystemOptions options;
        const ImportOutcome imported =
            importColumns(t / "testo.txt", store, selection, options, progress);
        EXPECT_TRUE(imported.done() ? store.storedCount == imported.imported
                                    : imported.notice && italian(*imported.notice))
            << int(v);
    }
}

TEST(BadInput, SettingsFiles) {
    const std::string numbers = "10\r\n20\r\n30\r\n40\r\n50\r\n60\r\n70\r\n80\r\n";
    for (Variant v : kVariants) {
        TestFolder t;
        for (const char* name : {"enal/quadri.csv", "enal/stampante.csv", "enal/couscit2.txt",
                                 "enal/cedolina.txt", "enal/varie.csv", "enal/Ricerca.txt"})
            put(t, name, numbers, v);
        SettingsFiles s;
        const auto notices = loadSettingsFiles(t.folder(), s);
        if (v == Variant::Oversized) {
            EXPECT_EQ(notices.size(), 5u);
            EXPECT_TRUE(anyItalian(notices));
            EXPECT_EQ(s, SettingsFiles{});
        } else {
            EXPECT_TRUE(notices.empty());
            EXPECT_EQ(s.program.contestNumber >= 1 && s.program.contestNumber <= 500, true);
            for (int i = 1; i <= WindowPositions::kEntries; ++i)
                EXPECT_GE(s.windows.value(i), 0);
        }
        const SearchSettings search = loadSearchSettings(t.folder());
        EXPECT_GE(search.first, 1);
        if (v != Variant::Truncated) {
            EXPECT_EQ(search, SearchSettings{});
        }
    }
}

#include "system/TransferItems.h"
#include "support/TestFolder.h"

using namespace varnelo;
using namespace varnelo::test;

namespace {

// A program folder with two systems (one of them the archive system), a
// crossword set and a personal reduced system, and a folder outside it.
struct Folders {
    TestFolder t{{"enal", "qor", "andor", "ridotti", "fuori"}};
    Folders() {
        writeFile(t / "qor/mio.sse", "impostazioni");
        writeFile(t / "qor/mio.cna", "colonne");
        writeFile(t / "qor/archivio.sse", "x");
        writeFile(t / "qor/archivio.cna", "x");
        writeFile(t / "andor/croce.sck", "cruciverba");
        writeFile(t / "ridotti/piccolo.rid", "ridotto");
        writeFile(t / "ridotti/nota.txt", "non e un ridotto");
    }
    std::filesystem::path outside() const { return t / "fuori"; }
};

} // namespace

TEST(TransferItems, ListsTheItemsOfTheProgramFolder) {
    const Folders f;
    EXPECT_EQ(programItems(f.t.folder()),
              (std::vector<TransferItem>{{ItemKind::System, "mio"},
                                         {ItemKind::Crossword, "croce"},
                                         {ItemKind::Reduced, "piccolo"}}));
    EXPECT_EQ(kindText(ItemKind::Crossword), "Cruciverba");
}

TEST(TransferItems, ExportAndImportCopyEveryFileOfAnItem) {
    const Folders f;
    for (const TransferItem& item : programItems(f.t.folder())) {
        const TransferOutcome out =
            transferItem(f.t.folder(), item, f.outside(), Direction::Export);
        EXPECT_TRUE(out.done) << item.name;
        EXPECT_EQ(out.notice.lines,
                  (std::vector<std::string>{"Sistema trasferito", "sull'unità con successo."}));
    }
    EXPECT_EQ(readFile(f.outside() / "mio.cna"), "colonne");
    EXPECT_EQ(readFile(f.outside() / "croce.sck"), "cruciverba");
    EXPECT_EQ(folderItems(f.outside()), programItems(f.t.folder()));

    // Into another program folder, where the items were missing.
    TestFolder other({"qor"}, "altro");
    for (const TransferItem& item : folderItems(f.outside())) {
        EXPECT_TRUE(filesToReplace(other.folder(), item, f.outside(), Direction::Import).empty());
        const TransferOutcome out =
            transferItem(other.folder(), item, f.outside(), Direction::Import);
        EXPECT_TRUE(out.done) << out.notice.lines.back();
        EXPECT_EQ(out.notice.lines.back(), "Nella Cartella del programma con successo.");
    }
    EXPECT_EQ(readFile(other / "qor/mio.sse"), "impostazioni");
    EXPECT_EQ(readFile(other / "qor/mio.cna"), "colonne");
    EXPECT_EQ(readFile(other / "andor/croce.sck"), "cruciverba");
    EXPECT_EQ(readFile(other / "ridotti/piccolo.rid"), "ridotto");
    // A second import would write over both files of the system.
    EXPECT_EQ(
        filesToReplace(other.folder(), {ItemKind::System, "mio"}, f.outside(), Direction::Import),
        (std::vector<std::filesystem::path>{other / "qor/mio.sse", other / "qor/mio.cna"}));
}

TEST(TransferItems, RefusesNamesThatLeaveTheFolder) {
    const Folders f;
    writeFile(f.t / "segreto.sse", "fuori da qor");
    struct Case {
        TransferItem item;
        Direction direction;
    };
    const Case cases[] = {
        {{ItemKind::System, "../segreto"}, Direction::Export},
        {{ItemKind::System, ".."}, Direction::Import},
        {{ItemKind::Reduced, "/etc/passwd"}, Direction::Import},
        {{ItemKind::Crossword, "a\\b"}, Direction::Import},
        {{ItemKind::Crossword, ""}, Direction::Export},
        {{ItemKind::System, "archivio"}, Direction::Import},
        {{ItemKind::System, "Maiuscole"}, Direction::Import},
        {{ItemKind::Reduced, "manca"}, Direction::Import},
    };
    writeFile(f.outside() / "archivio.sse", "estraneo");
    writeFile(f.outside() / "Maiuscole.sse", "estraneo");
    for (const Case& c : cases) {
        const TransferOutcome out = transferItem(f.t.folder(), c.item, f.outside(), c.direction);
        EXPECT_FALSE(out.done) << c.item.name;
        EXPECT_EQ(out.notice.lines.front(), "Trasferimento non effettuato:") << c.item.name;
    }
    EXPECT_EQ(readFile(f.t / "qor/archivio.sse"), "x");
    EXPECT_FALSE(std::filesystem::exists(f.outside() / "segreto.sse"));
    for (const char* name : {"a/b", "..", ".", "c:x"})
        EXPECT_FALSE(isPlainFileName(name)) << name;
    EXPECT_TRUE(isPlainFileName("mio sistema 2"));
}

#include "core/TextColumns.h"
#include "support/TestFolder.h"

using namespace varnelo;
using namespace varnelo::test;

namespace {

struct Fixture {
    TestFolder t;
    ColumnStore store;
    Selection selection;
    SystemOptions options;
    Progress progress;

    ImportOutcome import(const std::string& text) {
        writeFile(t / "colonne.txt", text);
        return importColumns(t / "colonne.txt", store, selection, options, progress);
    }
};

} // namespace

TEST(TextColumns, ScanRuleOfALine) {
    EXPECT_EQ(importLineNumbers("7,3,45,12,9"), (std::vector<int>{7, 3, 45, 12, 9}));
    EXPECT_EQ(importLineNumbers("  1-23-456 7 8 9"), (std::vector<int>{1, 23, 45, 6, 7}));
    EXPECT_EQ(importLineNumbers("a1b22c"), (std::vector<int>{1, 22}));
    EXPECT_TRUE(importLineNumbers("").empty());
}

TEST(TextColumns, ImportAppendsSortedColumnsSkipsShortLinesAndMarksTheNumbers) {
    Fixture f;
    f.store.store(1, Column{1, 2, 3, 4, 5});
    f.store.storedCount = f.store.systemTotal = 1;
    f.selection.setState(45, Selection::Fixed);
    const ImportOutcome out = f.import("7,3,45,12,9\r\n1 2 3 4\n\n10 20 30 40 48 49\n");
    ASSERT_TRUE(out.done());
    EXPECT_EQ(out.imported, 2);
    EXPECT_EQ(out.skipped, 2);
    EXPECT_EQ(f.store.column(2), (Column{3, 7, 9, 12, 45}));
    EXPECT_EQ(f.store.column(3), (Column{10, 20, 30, 40, 48}));
    EXPECT_EQ(f.store.storedCount, 3);
    EXPECT_EQ(f.store.systemTotal, 3);
    EXPECT_EQ(f.store.developedCount, 3);
    EXPECT_EQ(f.store.finalCount, 3);
    EXPECT_TRUE(f.store.hasColumns);
    EXPECT_EQ(f.options.kindCode, 5);
    EXPECT_EQ(f.selection.chosenNumbers(), (std::vector<int>{3, 7, 9, 10, 12, 20, 30, 40, 45, 48}));
    EXPECT_EQ(f.selection.state(45), Selection::Fixed);
    EXPECT_EQ(f.selection.state(4), Selection::NotChosen); // only in a skipped line
}

TEST(TextColumns, BadNumbersStopTheImportAndChangeNothing) {
    struct Case {
        std::string text;
        std::string why;
    } cases[] = {
        {"1 2 3 4 5\n1 2 3 4 50\n", "(qualche numero e superiore a 49)"},
        {"1 2 3 4 5\n0 2 3 4 5\n", "(qualche numero e superiore a 49)"},
        {"1 2 3 4 5\n50 1\n", "(qualche numero e superiore a 49)"},
        {"1 2 3 4 5\n7 7 8 9 10\n", "(qualche numero e uguale nel valore)"},
    };
    for (const auto& c : cases) {
        Fixture f;
        const ImportOutcome out = f.import(c.text);
        ASSERT_EQ(out.status, TaskStatus::Failed) << c.text;
        EXPECT_EQ(*out.notice, (Notice{"Sistema non Idoneo:",
                                       {"Le colonne memorizzate non sono valide:", c.why,
                                        "Le colonne non possono essere caricate."}}));
        EXPECT_EQ(f.store.storedCount, 0);
        EXPECT_EQ(f.store.column(1), (Column{0, 0, 0, 0, 0}));
        EXPECT_EQ(f.selection, Selection{});
        EXPECT_EQ(f.options.kindCode, 0);
    }
}

TEST(TextColumns, TooManyLinesForTheListAreRefused) {
    Fixture f;
    f.store.storedCount = f.store.systemTotal = ColumnStore::kCapacity - 2;
    const ImportOutcome out = f.import("1 2 3 4 5\n1 2 3 4 6\n");
    ASSERT_EQ(out.status, TaskStatus::Failed);
    EXPECT_EQ(*out.notice, (Notice{"Troppe Colonne:", {"Max Colonne = 2120000"}}));
    EXPECT_EQ(f.store.storedCount, ColumnStore::kCapacity - 2);
}

TEST(TextColumns, ExportWritesTheColumnsFileLayoutAndRefusesAFullList) {
    Fixture f;
    ASSERT_TRUE(f.import("45 12 1 23 34\n5 4 3 2 1\n").done());
    ASSERT_TRUE(exportColumns(f.t / "uscita.txt", f.store, f.progress).done());
    EXPECT_EQ(readFile(f.t / "uscita.txt"), "1  12 23 34 45 \r\n1  2  3  4  5  \r\n");
    // What was exported imports back to the same columns.
    ColumnStore again;
    Selection selection;
    SystemOptions options;
    ASSERT_TRUE(importColumns(f.t / "uscita.txt", again, selection, options, f.progress).done());
    EXPECT_EQ(again.column(1), f.store.column(1));
    EXPECT_EQ(again.column(2), f.store.column(2));
    f.store.storedCount = ColumnStore::kCapacity;
    const TaskOutcome full = exportColumns(f.t / "pieno.txt", f.store, f.progress);
    EXPECT_EQ(full.status, TaskStatus::Failed);
    EXPECT_EQ(full.notice->title, "Troppe Colonne:");
    EXPECT_FALSE(std::filesystem::exists(f.t / "pieno.txt"));
}

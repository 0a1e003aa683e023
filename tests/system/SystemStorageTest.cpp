#include "system/SystemStorage.h"
#include "core/ColumnsFileFormat.h"
#include "support/Columns.h"
#include "support/TestFolder.h"
#include "system/SystemName.h"

#include <cstring>
#include <sys/resource.h>

using namespace varnelo;
using namespace varnelo::test;

namespace {

// The first n columns of the 49 numbers in lexicographic order.
std::int32_t fillColumns(ColumnStore& store, std::int32_t n) {
    std::int32_t i = 0;
    forEveryColumn([&](const Column& c) {
        if (i < n)
            store.store(++i, c);
    });
    store.storedCount = store.systemTotal = store.developedCount = i;
    store.finalCount = i > 0 ? i - 1 : 0;
    store.hasColumns = i > 0;
    return i;
}

void giveEverything(ProgramState& s) {
    s.selection.setState(3, Selection::Fixed);
    s.selection.setState(7, Selection::Chosen);
    s.selection.setState(45, Selection::Chosen);
    s.selection.setNumerone(2, true);
    s.selection.setNumerone(5, true);
    s.options.developmentLevel = 2;
    s.options.kindCode = 22;
    s.options.guaranteeKind = 4;
    s.options.coverage = 55.5;
    s.options.description = "prova";
    s.conditions.setActive(111, true);
    s.conditions.setCell(111, 120, {CellStatus::Admitted, 0});
    s.conditions.setCell(111, 121, {CellStatus::Recovery, 40});
    s.conditions.setActive(200, true);
    s.conditions.setCell(200, 254, {CellStatus::Recovery, 1});
    s.modified = true;
}

void expectSameSystem(const ProgramState& a, const ProgramState& b) {
    EXPECT_EQ(a.systemName, b.systemName);
    EXPECT_EQ(a.selection, b.selection);
    EXPECT_EQ(a.options, b.options);
    EXPECT_EQ(a.conditions, b.conditions);
    EXPECT_EQ(a.columns.storedCount, b.columns.storedCount);
    EXPECT_EQ(a.columns.systemTotal, b.columns.systemTotal);
    EXPECT_EQ(a.columns.developedCount, b.columns.developedCount);
    EXPECT_EQ(a.columns.finalCount, b.columns.finalCount);
    EXPECT_EQ(a.columns.hasColumns, b.columns.hasColumns);
    for (int p = 1; p <= kColumnSize; ++p)
        EXPECT_EQ(std::memcmp(a.columns.plane(p) + 1, b.columns.plane(p) + 1,
                              static_cast<std::size_t>(a.columns.storedCount)),
                  0)
            << p;
}

std::vector<std::string> leftovers(const std::filesystem::path& dir) {
    std::vector<std::string> out;
    for (const auto& e : std::filesystem::directory_iterator(dir))
        if (e.path().filename().string().find(".tmp-") != std::string::npos)
            out.push_back(e.path().filename().string());
    return out;
}

} // namespace

TEST(SystemStorage, SavedClosedAndReopenedIsIdentical) {
    for (std::int32_t n : {0, 7, kAllColumns}) {
        TestFolder t;
        ProgramState saved(t.folder());
        giveEverything(saved);
        fillColumns(saved.columns, n);
        saved.systemName = "prova " + std::to_string(n);
        Progress progress;
        const TaskOutcome put = saveSystem(saved, progress);
        ASSERT_TRUE(put.done()) << (put.notice ? put.notice->lines[1] : "");
        EXPECT_FALSE(saved.modified);
        if (n == kAllColumns) {
            EXPECT_EQ(std::filesystem::file_size(t / ("qor/" + saved.systemName + ".cna")),
                      static_cast<std::uintmax_t>(kAllColumns) * kColumnLineBytes);
        }
        ProgramState opened(t.folder());
        opened.selection.setState(20, Selection::Chosen);
        fillColumns(opened.columns, 3);
        const TaskOutcome out = openSystem(opened, saved.systemName, progress);
        ASSERT_TRUE(out.done()) << (out.notice ? out.notice->lines[0] : "");
        expectSameSystem(saved, opened);
        EXPECT_FALSE(opened.modified);
        EXPECT_TRUE(leftovers(t / "qor").empty());
    }
}

TEST(SystemStorage, ASystemLargerThanTheListKeepsItsSurplusInTheOverflowFile) {
    TestFolder t;
    const std::int32_t surplus = 5;
    {
        ProgramState s(t.folder());
        fillColumns(s.columns, kAllColumns);
        std::string text;
        text.reserve(static_cast<std::size_t>(ColumnStore::kCapacity + surplus) * kColumnLineBytes);
        for (std::int32_t i = 1; i <= kAllColumns; ++i)
            appendColumnLine(text, s.columns.column(i));
        for (std::int32_t i = 1; i <= ColumnStore::kCapacity + surplus - kAllColumns; ++i)
            appendColumnLine(text, s.columns.column(i));
        writeFile(t / "qor/grande.cna", text);
        SystemSettings settings;
        settings.counts = {0, 0, ColumnStore::kCapacity, ColumnStore::kCapacity + surplus};
        writeFile(t / "qor/grande.sse", formatSystemSettings(settings, true));
    }
    const std::string before = readFile(t / "qor/grande.cna");
    ProgramState s(t.folder());
    Progress progress;
    ASSERT_TRUE(openSystem(s, "grande", progress).done());
    EXPECT_EQ(s.columns.storedCount, ColumnStore::kCapacity);
    EXPECT_EQ(s.columns.systemTotal, ColumnStore::kCapacity + surplus);
    EXPECT_EQ(fileLines(t / "qor/qor.qor").size(), static_cast<std::size_t>(surplus));
    EXPECT_EQ(s.columns.column(1), (Column{1, 2, 3, 4, 10}));
    s.modified = true;
    ASSERT_TRUE(saveSystem(s, progress).done());
    EXPECT_TRUE(readFile(t / "qor/grande.cna") == before);
}

TEST(SystemStorage, CancelledLoadLeavesEverythingAtZero) {
    TestFolder t;
    ProgramState s(t.folder());
    fillColumns(s.columns, 400000);
    s.systemName = "lungo";
    Progress progress;
    ASSERT_TRUE(saveSystem(s, progress).done());
    s.columns.clear();
    // "Annulla" is already pressed when the load looks at it first: the
    // outcome does not hang on how threads happen to be scheduled.
    Progress watched;
    watched.cancel = true;
    const TaskOutcome out = openSystem(s, "lungo", watched);
    EXPECT_EQ(out.status, TaskStatus::Cancelled);
    EXPECT_LT(watched.done.load(), 400000); // stopped part-way, at a progress step
    EXPECT_EQ(s.columns.storedCount, 0);
    EXPECT_EQ(s.columns.systemTotal, 0);
    EXPECT_EQ(s.columns.developedCount, 0);
    EXPECT_EQ(s.columns.finalCount, 0);
    EXPECT_FALSE(s.columns.hasColumns);
    EXPECT_EQ(s.columns.column(1), (Column{0, 0, 0, 0, 0}));
    EXPECT_EQ(s.finalCountText(), "Colonne finali = 0");
}

TEST(SystemStorage, ASaveThatFailsHalfWayLeavesThePreviousFilesWhole) {
    TestFolder t;
    ProgramState s(t.folder());
    giveEverything(s);
    fillColumns(s.columns, 10);
    s.systemName = "sicuro";
    Progress progress;
    ASSERT_TRUE(saveSystem(s, progress).done());
    const std::string oldSettings = readFile(t / "qor/sicuro.sse");
    const std::string oldColumns = readFile(t / "qor/sicuro.cna");

    fillColumns(s.columns, 20000);
    s.selection.setState(30, Selection::Chosen);
    s.modified = true;
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 100 * 1024; // the disk "fills up" in the middle of the columns
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const TaskOutcome out = saveSystem(s, progress);
    setrlimit(RLIMIT_FSIZE, &old);

    ASSERT_EQ(out.status, TaskStatus::Failed);
    ASSERT_TRUE(out.notice);
    EXPECT_EQ(out.notice->title, "Salvataggio non riuscito:");
    EXPECT_EQ(out.notice->lines[0], "Il sistema sicuro.cna non e stato salvato:");
    EXPECT_NE(out.notice->lines[1].find("file troppo grande"), std::string::npos);
    EXPECT_EQ(out.notice->lines[2], "Il file salvato in precedenza e rimasto intatto.");
    EXPECT_TRUE(s.modified);
    EXPECT_EQ(readFile(t / "qor/sicuro.sse"), oldSettings);
    EXPECT_EQ(readFile(t / "qor/sicuro.cna"), oldColumns);
    EXPECT_TRUE(leftovers(t / "qor").empty());
}

TEST(SystemStorage, ASystemWithoutColumnsSavesAnEmptyColumnsFile) {
    TestFolder t;
    ProgramState s(t.folder());
    s.systemName = "vuoto";
    fillColumns(s.columns, 12);
    Progress progress;
    ASSERT_TRUE(saveSystem(s, progress).done());
    ASSERT_EQ(fileLines(t / "qor/vuoto.cna").size(), 12u);
    s.columns.clear();
    ASSERT_TRUE(saveSystem(s, progress).done());
    EXPECT_TRUE(fileLines(t / "qor/vuoto.cna").empty());
    ProgramState opened(t.folder());
    ASSERT_TRUE(openSystem(opened, "vuoto", progress).done());
    EXPECT_EQ(opened.columns.finalCount, 0);
    EXPECT_FALSE(opened.columns.hasColumns);
}

TEST(SystemStorage, WithoutSaveColumnsOnlyTheSettingsFileIsWritten) {
    TestFolder t;
    ProgramState s(t.folder());
    fillColumns(s.columns, 12);
    s.settings.saveColumns = false;
    s.systemName = "solo";
    Progress progress;
    ASSERT_TRUE(saveSystem(s, progress).done());
    EXPECT_FALSE(std::filesystem::exists(t / "qor/solo.cna"));
    EXPECT_EQ(fileLines(t / "qor/solo.sse")[0],
              " 0  0  1  0  0  11  0  0  0  0  0  0  0  0  0  0  0  0  0  0 ");
}

TEST(SystemStorage, OpeningMissingDamagedAndEmptyFiles) {
    TestFolder t;
    ProgramState s(t.folder());
    giveEverything(s);
    s.systemName = "corrente";
    const Selection before = s.selection;
    Progress progress;
    TaskOutcome out = openSystem(s, "nessuno", progress);
    ASSERT_EQ(out.status, TaskStatus::Failed);
    EXPECT_EQ(*out.notice, damagedSystemNotice("nessuno"));
    EXPECT_EQ(out.notice->lines[0], "Il sistema ( nessuno.cna ) Non esiste o e stato manomesso!");
    writeFile(t / "qor/rotto.sse", " 1  2 \r\n");
    EXPECT_EQ(openSystem(s, "rotto", progress).status, TaskStatus::Failed);
    EXPECT_EQ(s.systemName, "corrente");
    EXPECT_EQ(s.selection, before);
    writeFile(t / "qor/vuoto.sse", "");
    EXPECT_TRUE(openSystem(s, "vuoto", progress).done());
    EXPECT_EQ(s.systemName, "vuoto");
    EXPECT_EQ(s.selection, Selection{});
    // Settings that promise columns the columns file does not hold.
    SystemSettings promised;
    promised.counts = {5, 5, 5, 5};
    writeFile(t / "qor/corto.sse", formatSystemSettings(promised, true));
    writeFile(t / "qor/corto.cna", "1  2  3  4  5  \r\n");
    out = openSystem(s, "corto", progress);
    ASSERT_EQ(out.status, TaskStatus::Failed);
    EXPECT_EQ(out.notice->title, "Caricamento colonne:");
    EXPECT_EQ(s.columns.storedCount, 0);
}

TEST(SystemStorage, SaveAsDecisions) {
    TestFolder t;
    ProgramState s(t.folder());
    s.systemName = "primo";
    writeFile(t / "qor/secondo.sse", "");
    struct Case {
        std::string typed;
        bool modified;
        SaveAsStep step;
        std::string name;
    } cases[] = {
        {"Primo", false, SaveAsStep::NothingToDo, "primo"},
        {"primo", true, SaveAsStep::Save, "primo"},
        {"SECONDO", false, SaveAsStep::AskOverwrite, "secondo"},
        {"Ter-zo è", false, SaveAsStep::Save, "terzo"},
        {"archivio", false, SaveAsStep::Refuse, "archivio"},
        {"--", false, SaveAsStep::Refuse, ""},
    };
    for (const auto& c : cases) {
        s.modified = c.modified;
        const SaveAsDecision d = decideSaveAs(s, c.typed);
        EXPECT_EQ(d.step, c.step) << c.typed;
        EXPECT_EQ(d.name, c.name) << c.typed;
    }
    const SaveAsDecision ask = decideSaveAs(s, "secondo");
    EXPECT_EQ(*ask.notice, (Notice{"Nome sistema = secondo.cna",
                                   {"File gia esistente  = secondo.cna", "Sostituire il file?"},
                                   kNoticeYesNo,
                                   true}));
    EXPECT_EQ(decideSaveAs(s, "archivio").notice->lines.size(), 2u);
    s.systemName = "archivio";
    EXPECT_EQ(*decideSaveAs(s, "archivio").notice, reservedNameNotice(true));
    EXPECT_EQ(reservedNameNotice(true).lines[3],
              "e modificarlo, ma si deve salvare con un nome diverso!");
    Progress progress;
    s.modified = true;
    EXPECT_EQ(saveSystem(s, progress).status, TaskStatus::Failed);
    EXPECT_FALSE(std::filesystem::exists(t / "qor/archivio.sse"));
    EXPECT_EQ(savePrompt(s)->lines[0], "Salvare il sistema?  archivio.cna");
    s.modified = false;
    EXPECT_FALSE(savePrompt(s).has_value());
}

TEST(SystemStorage, SaveAsTakesTheNewNameOnlyWhenTheSaveWorks) {
    TestFolder t;
    ProgramState s(t.folder());
    s.systemName = "vecchio";
    Progress progress;
    ASSERT_TRUE(saveSystemAs(s, "nuovo", progress).done());
    EXPECT_EQ(s.systemName, "nuovo");
    std::filesystem::remove_all(t / "qor");
    EXPECT_FALSE(saveSystemAs(s, "altro", progress).done());
    EXPECT_EQ(s.systemName, "nuovo");
}

TEST(SystemName, TypedNamesAndTheFirstFreeDefault) {
    EXPECT_EQ(typedSystemName("Mio Sistema-1 è/x"), "mio sistema1 x");
    TestFolder t;
    EXPECT_EQ(firstFreeSystemName(t.folder()), "qor1");
    writeFile(t / "qor/qor1.sse", "");
    writeFile(t / "qor/qor2.cna", "");
    EXPECT_EQ(firstFreeSystemName(t.folder()), "qor2");
    ProgramState s(t.folder());
    giveEverything(s);
    fillColumns(s.columns, 4);
    newSystem(s);
    EXPECT_EQ(s.systemName, "qor2");
    EXPECT_EQ(s.selection, Selection{});
    EXPECT_EQ(s.columns.storedCount, 0);
    EXPECT_FALSE(s.modified);
}

#include "core/AtomicWriter.h"
#include "support/TestFolder.h"
#include "system/ArchiveTables.h"
#include "system/SystemStorage.h"

#include <chrono>
#include <vector>

using namespace varnelo;
using namespace varnelo::test;

namespace {

struct SimulatedCrash {};

// Stops every save at `step`, as a crash there would, until destroyed.
struct CrashAt {
    explicit CrashAt(SaveStep step) {
        setSaveStepHook([step](SaveStep reached) {
            if (reached == step)
                throw SimulatedCrash{};
        });
    }
    ~CrashAt() { setSaveStepHook({}); }
};

// Every column of the given numbers, developed as a full system.
void develop(ProgramState& s, const std::vector<int>& numbers) {
    s.selection.clear();
    for (int n : numbers)
        s.selection.setState(n, Selection::Chosen);
    s.options.kindCode = 22;
    s.columns.clear();
    std::int32_t i = 0;
    const int k = static_cast<int>(numbers.size());
    for (int a = 0; a < k; ++a)
        for (int b = a + 1; b < k; ++b)
            for (int c = b + 1; c < k; ++c)
                for (int d = c + 1; d < k; ++d)
                    for (int e = d + 1; e < k; ++e)
                        s.columns.store(++i, Column{static_cast<std::uint8_t>(numbers[a]),
                                                    static_cast<std::uint8_t>(numbers[b]),
                                                    static_cast<std::uint8_t>(numbers[c]),
                                                    static_cast<std::uint8_t>(numbers[d]),
                                                    static_cast<std::uint8_t>(numbers[e])});
    s.columns.storedCount = s.columns.systemTotal = s.columns.developedCount =
        s.columns.finalCount = i;
    s.columns.hasColumns = i > 0;
    s.modified = true;
}

std::vector<Column> columnsOf(const ProgramState& s) {
    std::vector<Column> out;
    for (std::int32_t i = 1; i <= s.columns.storedCount; ++i)
        out.push_back(s.columns.column(i));
    return out;
}

// A settings file as versions before the seal wrote it: header fields 12-14 at 0.
void dropSeal(const std::filesystem::path& sse) {
    std::string text = readFile(sse);
    const std::size_t end = text.find('\n');
    std::vector<long long> header;
    ASSERT_TRUE(readList(std::string_view(text).substr(0, end), header));
    ASSERT_EQ(header.size(), 20u);
    ASSERT_EQ(header[11], 1);
    header[11] = header[12] = header[13] = 0;
    text.replace(0, text.find('\r'), listForm(header));
    writeFile(sse, text);
}

enum class Found { Old, New, Refused };

} // namespace

// Whatever step a save dies at, the system opens as it was, as it was going
// to be, or without columns and with the notice; never with the columns of
// one save under the settings of the other.
TEST(SaveCrash, ASystemIsWhollyOldWhollyNewOrRefused) {
    const std::vector<int> oldNumbers{1, 2, 3, 4, 5, 6, 7, 8};
    const std::vector<int> newNumbers{1, 2, 3, 4, 5, 6, 7, 9};
    struct Case {
        SaveStep crash;
        Found found;
    };
    const Case cases[] = {{SaveStep::ColumnsWritten, Found::Old},
                          {SaveStep::SettingsWritten, Found::Old},
                          {SaveStep::ColumnsReplaced, Found::Refused},
                          {SaveStep::SettingsReplaced, Found::New}};
    for (const bool oldFilesSealed : {true, false}) {
        for (const Case& c : cases) {
            const std::string tag =
                std::to_string(static_cast<int>(c.crash)) + (oldFilesSealed ? "s" : "u");
            SCOPED_TRACE(tag);
            TestFolder t({"enal", "qor"}, tag);
            ProgramState before(t.folder());
            before.systemName = "prova";
            develop(before, oldNumbers);
            Progress progress;
            ASSERT_TRUE(saveSystem(before, progress).done());
            if (!oldFilesSealed)
                dropSeal(t / "qor/prova.sse");

            ProgramState after(t.folder());
            after.systemName = "prova";
            develop(after, newNumbers);
            {
                CrashAt crash(c.crash);
                EXPECT_THROW(saveSystem(after, progress), SimulatedCrash);
            }

            ProgramState opened(t.folder());
            const TaskOutcome out = openSystem(opened, "prova", progress);
            ASSERT_TRUE(out.done());
            switch (c.found) {
            case Found::Old:
                EXPECT_FALSE(out.notice);
                EXPECT_EQ(opened.selection, before.selection);
                EXPECT_EQ(columnsOf(opened), columnsOf(before));
                break;
            case Found::New:
                EXPECT_FALSE(out.notice);
                EXPECT_EQ(opened.selection, after.selection);
                EXPECT_EQ(columnsOf(opened), columnsOf(after));
                break;
            case Found::Refused:
                ASSERT_TRUE(out.notice);
                EXPECT_EQ(*out.notice, pairMismatchNotice("prova"));
                EXPECT_EQ(opened.selection, before.selection);
                EXPECT_EQ(opened.columns.storedCount, 0);
                EXPECT_EQ(opened.columns.finalCount, 0);
                EXPECT_FALSE(opened.columns.hasColumns);
                break;
            }
        }
    }
}

// A columns file from another save of the same count, or one that goes on
// after the columns the seal counts, is not taken for the system's own.
TEST(SaveCrash, TheSealCatchesSameSizedAndLongerColumnsFiles) {
    TestFolder t;
    ProgramState s(t.folder());
    s.systemName = "sigillo";
    develop(s, {1, 2, 3, 4, 5, 6, 7});
    Progress progress;
    ASSERT_TRUE(saveSystem(s, progress).done());
    const std::string cna = readFile(t / "qor/sigillo.cna");
    struct Case {
        const char* what;
        std::string columns;
        bool refused;
    };
    std::string swapped = cna;
    std::swap_ranges(swapped.begin(), swapped.begin() + 17, swapped.begin() + 17);
    const Case cases[] = {{"as saved", cna, false},
                          {"blank lines after", cna + "\r\n  \r\n", false},
                          {"two columns swapped", swapped, true},
                          {"one column more", cna + "1  2  3  4  7  \r\n", true},
                          {"one column less", cna.substr(17), true}};
    for (const Case& c : cases) {
        writeFile(t / "qor/sigillo.cna", c.columns);
        ProgramState opened(t.folder());
        const TaskOutcome out = openSystem(opened, "sigillo", progress);
        EXPECT_TRUE(out.done()) << c.what;
        EXPECT_EQ(out.notice.has_value(), c.refused) << c.what;
        EXPECT_EQ(opened.columns.storedCount, c.refused ? 0 : 21) << c.what;
    }
}

// Temporary files of interrupted writes go; files of the same name pattern
// made while this process runs, and every other name, stay.
TEST(SaveCrash, LeftoverTemporariesGoOnTheNextSave) {
    TestFolder t;
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(2);
    const std::vector<std::string> stale{"prova.sse.tmp-a1B2c3", "altro.cna.tmp-ZZZZZZ"};
    const std::vector<std::string> kept{"prova.sse.tmp-abc", "note.txt", "prova.sse.tmp-ab_c12",
                                        "tmp-abcdef", "prova.cna"};
    for (const auto& name : stale)
        writeFile(t / ("qor/" + name), "x");
    for (const auto& name : kept)
        writeFile(t / ("qor/" + name), "x");
    for (const auto& name : stale)
        std::filesystem::last_write_time(t / ("qor/" + name), old);
    for (const auto& name : kept)
        std::filesystem::last_write_time(t / ("qor/" + name), old);
    writeFile(t / "qor/nuovo.sse.tmp-Q1w2E3", "being written now");
    std::filesystem::create_directories(t / "qor/cartella.tmp-abcdef");

    ProgramState s(t.folder());
    s.systemName = "pulito";
    develop(s, {1, 2, 3, 4, 5, 6});
    Progress progress;
    ASSERT_TRUE(saveSystem(s, progress).done());
    for (const auto& name : stale)
        EXPECT_FALSE(std::filesystem::exists(t / ("qor/" + name))) << name;
    for (const auto& name : kept)
        EXPECT_TRUE(std::filesystem::exists(t / ("qor/" + name))) << name;
    EXPECT_TRUE(std::filesystem::exists(t / "qor/nuovo.sse.tmp-Q1w2E3"));
    EXPECT_TRUE(std::filesystem::is_directory(t / "qor/cartella.tmp-abcdef"));
    EXPECT_EQ(removeLeftoverTemporaries(t / "qor"), 0);
    EXPECT_EQ(removeLeftoverTemporaries(t / "missing"), 0);
}

// Start-up clears what interrupted writes left in the program folder and in
// each folder below it.
TEST(SaveCrash, LeftoverTemporariesGoAtStartUp) {
    TestFolder t({"enal", "qor", "andor"});
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(2);
    const std::vector<std::string> stale{"enal/varie.csv.tmp-abc123", "qor/a.cna.tmp-XyZ789",
                                         "andor/AndOr.txt.tmp-000000", "x.tmp-qwerty"};
    for (const auto& name : stale) {
        writeFile(t / name, "x");
        std::filesystem::last_write_time(t / name, old);
    }
    ProgramState s(t.folder());
    loadStartupFiles(s);
    for (const auto& name : stale)
        EXPECT_FALSE(std::filesystem::exists(t / name)) << name;
}

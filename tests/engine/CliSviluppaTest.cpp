#include "EngineFixture.h"
#include "support/RunCli.h"
#include "system/SystemStorage.h"

using namespace varnelo;
using namespace varnelo::test;

namespace {

// Runs "varnelo-cli sviluppa" on a program folder of the test's own.
CliResult sviluppa(const std::filesystem::path& dir, const std::string& args) {
    return runCli("sviluppa --cartella " + dir.string() + " " + args);
}

std::string lines(const std::vector<Column>& columns) {
    std::string text;
    for (const Column& c : columns)
        for (int p = 0; p <= kColumnSize; ++p) {
            if (p == kColumnSize) {
                text += "\r\n";
                break;
            }
            const std::string n = std::to_string(c[static_cast<std::size_t>(p)]);
            text += n + std::string(3 - n.size(), ' ');
        }
    return text;
}

// Saves the system "prova": the numbers 1 to 9 with Numeroni 1 and 2, and
// Somma totale (slot 111) admitted from "from" to "to".
void saveSumSystem(const std::filesystem::path& dir, int from, int to) {
    ProgramState state{ProgramFolder(dir)};
    for (int n = 1; n <= 9; ++n)
        state.selection.setState(n, Selection::Chosen);
    state.selection.setNumerone(1, true);
    state.selection.setNumerone(2, true);
    state.conditions.setActive(111, true);
    for (int v = from; v <= to; ++v)
        state.conditions.setCell(111, v, {CellStatus::Admitted, 0});
    state.systemName = "prova";
    Progress progress;
    ASSERT_TRUE(saveSystem(state, progress).done());
}

} // namespace

TEST(CliSviluppa, PrintsTheColumnsAndCountsApart) {
    const TestFolder folder{"qor"};
    const auto& dir = folder.root;
    const CliResult o = sviluppa(dir, "--numeri 7,1,12,30,45,2");
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, lines(integral({1, 2, 7, 12, 30, 45})));
    EXPECT_NE(o.err.find("Colonne finali = 6"), std::string::npos) << o.err;
}

TEST(CliSviluppa, FixedNumbersAreChosenToo) {
    const TestFolder folder{"qor"};
    const auto& dir = folder.root;
    const CliResult o = sviluppa(dir, "--numeri 1,2,3,4,5,6 --fisse 9,3");
    ASSERT_EQ(o.status, 0) << o.err;
    std::vector<Column> expected;
    for (const Column& c : integral({1, 2, 3, 4, 5, 6, 9}))
        if (std::count(c.begin(), c.end(), 9) && std::count(c.begin(), c.end(), 3))
            expected.push_back(c);
    EXPECT_EQ(o.out, lines(expected));
}

TEST(CliSviluppa, LevelAndDifferenceAsInTheSetUpWindow) {
    const TestFolder folder{"qor"};
    const auto& dir = folder.root;
    const CliResult diff = sviluppa(dir, "--numeri 1,2,3,4,5,6,7,8,9,10,11 --differenza 5");
    ASSERT_EQ(diff.status, 0) << diff.err;
    EXPECT_EQ(diff.out, lines({col(1, 2, 3, 4, 5), col(6, 7, 8, 9, 10)}));
    EXPECT_NE(diff.err.find("Differ. tra Colonne:5"), std::string::npos);

    const CliResult level = sviluppa(dir, "--numeri 1,2,3,4,5,6,7 --livello 2");
    ASSERT_EQ(level.status, 0) << level.err;
    EXPECT_NE(level.err.find("Sistema Cond. + Rid."), std::string::npos);
    EXPECT_LT(level.out.size(), lines(integral({1, 2, 3, 4, 5, 6, 7})).size());
}

TEST(CliSviluppa, BadArgumentsExitWithStatusTwo) {
    const TestFolder folder{"qor"};
    const auto& dir = folder.root;
    const char* bad[] = {
        "--numeri 1,2,3,4",
        "--numeri 1,2,3,4,50",
        "--numeri 1,2,3,4,x",
        "--numeri 1,2,3,4,4",
        "--numeri",
        "--numeri 1,2,3,4,5 --livello 6",
        "--numeri 1,2,3,4,5 --differenza 1",
        "--numeri 1,2,3,4,5,6 --fisse 1,2,3,4,5",
        "--numeri 1,2,3,4,5 --livello 2 --differenza 3",
        "--numeri 1,2,3,4,5 --boh 1",
        "",
    };
    for (const char* args : bad) {
        const CliResult o = sviluppa(dir, args);
        EXPECT_EQ(o.status, 2) << args;
        EXPECT_TRUE(o.out.empty()) << args;
        EXPECT_FALSE(o.err.empty()) << args;
    }
}

TEST(CliSviluppa, DevelopsASavedSystemAndWritesItsFiles) {
    const TestFolder folder{"qor"};
    const auto& dir = folder.root;
    ASSERT_NO_FATAL_FAILURE(saveSumSystem(dir, 20, 25));
    int expected = 0;
    for (const Column& c : integral({1, 2, 3, 4, 5, 6, 7, 8, 9})) {
        const int sum = c[0] + c[1] + c[2] + c[3] + c[4];
        expected += sum >= 20 && sum <= 25;
    }
    const CliResult o = sviluppa(dir, "--sistema prova");
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, "Colonne finali = " + std::to_string(expected) + "\n");
    EXPECT_EQ(fileLines(dir / "qor" / "prova.cna").size(), static_cast<std::size_t>(expected));

    const CliResult missing = sviluppa(dir, "--sistema nessuno");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("Non esiste o e stato manomesso"), std::string::npos) << missing.err;
    writeFile(dir / "qor" / "rotto.sse", "1 2 x\r\n");
    EXPECT_EQ(sviluppa(dir, "--sistema rotto").status, 2);
    EXPECT_EQ(sviluppa(dir, "--sistema prova --livello 2").status, 2);
}

// A development that keeps nothing leaves an empty columns file, never the
// columns of the development before.
TEST(CliSviluppa, NoColumnsKeptEmptiesTheColumnsFile) {
    const TestFolder folder{"qor"};
    const auto& dir = folder.root;
    ASSERT_NO_FATAL_FAILURE(saveSumSystem(dir, 20, 25));
    ASSERT_EQ(sviluppa(dir, "--sistema prova").status, 0);
    ASSERT_GT(std::filesystem::file_size(dir / "qor" / "prova.cna"), 0u);

    ASSERT_NO_FATAL_FAILURE(
        saveSumSystem(dir, 200, 210)); // no sum of five numbers up to 9 gets there
    const CliResult o = sviluppa(dir, "--sistema prova");
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, "Colonne finali = 0\n");
    EXPECT_EQ(std::filesystem::file_size(dir / "qor" / "prova.cna"), 0u);
}

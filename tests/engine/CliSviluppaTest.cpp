#include "EngineFixture.h"
#include "support/RunCli.h"
#include "system/SystemStorage.h"

#include <cstdlib>
#include <fstream>
#include <sys/wait.h>

using namespace varnelo;
using namespace varnelo::test;

namespace {

using Output = CliResult;

// Runs "varnelo-cli sviluppa" on a program folder of the test's own.
Output sviluppa(const std::filesystem::path& dir, const std::string& args) {
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

} // namespace

TEST(CliSviluppa, PrintsTheColumnsAndCountsApart) {
    const TestFolder folder{"qor"};
    const auto& dir = folder.root;
    const Output o = sviluppa(dir, "--numeri 7,1,12,30,45,2");
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, lines(integral({1, 2, 7, 12, 30, 45})));
    EXPECT_NE(o.err.find("Colonne finali = 6"), std::string::npos) << o.err;
}

TEST(CliSviluppa, FixedNumbersAreChosenToo) {
    const TestFolder folder{"qor"};
    const auto& dir = folder.root;
    const Output o = sviluppa(dir, "--numeri 1,2,3,4,5,6 --fisse 9,3");
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
    const Output diff = sviluppa(dir, "--numeri 1,2,3,4,5,6,7,8,9,10,11 --differenza 5");
    ASSERT_EQ(diff.status, 0) << diff.err;
    EXPECT_EQ(diff.out, lines({col(1, 2, 3, 4, 5), col(6, 7, 8, 9, 10)}));
    EXPECT_NE(diff.err.find("Differ. tra Colonne:5"), std::string::npos);

    const Output level = sviluppa(dir, "--numeri 1,2,3,4,5,6,7 --livello 2");
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
        const Output o = sviluppa(dir, args);
        EXPECT_EQ(o.status, 2) << args;
        EXPECT_TRUE(o.out.empty()) << args;
        EXPECT_FALSE(o.err.empty()) << args;
    }
}

TEST(CliSviluppa, DevelopsASavedSystemAndWritesItsFiles) {
    const TestFolder folder{"qor"};
    const auto& dir = folder.root;
    std::filesystem::create_directories(dir / "qor");
    {
        ProgramState state{ProgramFolder(dir)};
        for (int n = 1; n <= 9; ++n)
            state.selection.setState(n, Selection::Chosen);
        state.selection.setNumerone(1, true);
        state.selection.setNumerone(2, true);
        state.conditions.setActive(111, true); // Somma totale 20..25
        for (int v = 20; v <= 25; ++v)
            state.conditions.setCell(111, v, {CellStatus::Admitted, 0});
        state.systemName = "prova";
        Progress progress;
        ASSERT_TRUE(saveSystem(state, progress).done());
    }
    int expected = 0;
    for (const Column& c : integral({1, 2, 3, 4, 5, 6, 7, 8, 9})) {
        const int sum = c[0] + c[1] + c[2] + c[3] + c[4];
        expected += sum >= 20 && sum <= 25;
    }
    const Output o = runCli("sviluppa --cartella " + dir.string() + " --sistema prova");
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, "Colonne finali = " + std::to_string(expected) + "\n");
    std::ifstream columns(dir / "qor" / "prova.cna");
    int lines = 0;
    for (std::string line; std::getline(columns, line);)
        ++lines;
    EXPECT_EQ(lines, expected);

    const Output missing = runCli("sviluppa --cartella " + dir.string() + " --sistema nessuno");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("Non esiste o e stato manomesso"), std::string::npos) << missing.err;
    std::ofstream(dir / "qor" / "rotto.sse") << "1 2 x\r\n";
    EXPECT_EQ(runCli("sviluppa --cartella " + dir.string() + " --sistema rotto").status, 2);
    EXPECT_EQ(runCli("sviluppa --cartella " + dir.string() + " --sistema prova --livello 2").status,
              2);
}

// A development that keeps nothing leaves an empty columns file, never the
// columns of the development before.
TEST(CliSviluppa, NoColumnsKeptEmptiesTheColumnsFile) {
    const TestFolder folder{"qor"};
    const auto& dir = folder.root;
    auto saveWithSum = [&](int from, int to) {
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
    };
    saveWithSum(20, 25);
    ASSERT_EQ(runCli("sviluppa --cartella " + dir.string() + " --sistema prova").status, 0);
    ASSERT_GT(std::filesystem::file_size(dir / "qor" / "prova.cna"), 0u);

    saveWithSum(200, 210); // no sum of five numbers up to 9 gets there
    const Output o = runCli("sviluppa --cartella " + dir.string() + " --sistema prova");
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, "Colonne finali = 0\n");
    EXPECT_EQ(std::filesystem::file_size(dir / "qor" / "prova.cna"), 0u);
}

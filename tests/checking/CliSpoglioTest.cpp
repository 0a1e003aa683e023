#include "checking/ArchiveView.h"
#include "checking/SystemCheck.h"
#include "support/Columns.h"
#include "support/RunCli.h"
#include "support/SavedSystem.h"

using namespace varnelo;
using namespace varnelo::test;

namespace {

// A saved system "dieci": every column of 1..10, Numeroni 3 and 7.
struct SavedTen {
    TestFolder t;
    std::unique_ptr<ProgramState> state =
        savedSystem(t.folder(), "dieci", integral({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), {3, 7});
    std::string expected(const Combination& drawn) {
        Progress progress;
        return categoryLines(
            checkSystem(state->columns, state->folder, state->selection, drawn, progress).tally);
    }
};

} // namespace

TEST(CliSpoglio, PrintsBetsAndColumnsOfTheTwelveCategories) {
    SavedTen saved;
    const std::string folder = " --cartella " + saved.t.root.string();
    Draw d;
    std::string reason;
    ASSERT_TRUE(parseDrawLine("02-04-06-30-40030701-02-2024", d, reason));
    const struct {
        const char* args;
        std::vector<int> numeroni;
    } cases[] = {
        {"--numeri 2,4,6,30,40", {}},
        {"--numeri 2,4,6,30,40 --numerone 3", {3}},
        {"--numeri 40,30,6,4,2 --numerone 5", {5}},
        {"--numeri 2,4,6,30,40 --numerone 3,7", {3, 7}}, // both Numeroni of the draw
    };
    for (const auto& c : cases) {
        const CliResult r = runCli("spoglio --sistema dieci " + std::string(c.args) + folder);
        ASSERT_EQ(r.status, 0) << c.args << r.err;
        Combination drawn = combinationOfDraw(d);
        drawn.numeroni = {};
        for (int e : c.numeroni)
            drawn.numeroni[static_cast<std::size_t>(e)] = true;
        EXPECT_EQ(r.out, saved.expected(drawn)) << c.args;
    }
    // Three hits out of ten numbers: C(3,3) x C(7,2) = 21 columns score "3",
    // each with one bet per Numerone: two bets, both with the Numerone.
    const CliResult both =
        runCli("spoglio --sistema dieci --numeri 2,4,6,30,40 --numerone 3,7" + folder);
    EXPECT_NE(both.out.find("\n3 0 0\n3+1 42 21\n"), std::string::npos) << both.out;
    EXPECT_EQ(std::count(both.out.begin(), both.out.end(), '\n'), 12);
    EXPECT_EQ(both.out.substr(0, 6), "0 0 0\n");
}

TEST(CliSpoglio, RefusesBadArgumentsWithExitTwo) {
    SavedTen saved;
    const std::string folder = " --cartella " + saved.t.root.string();
    const struct {
        const char* args;
        const char* message;
    } cases[] = {
        {"--numeri 1,2,3,4,5", "--sistema"},
        {"--sistema dieci --numeri 1,2,3,4", "cinque numeri"},
        {"--sistema dieci --numeri 1,2,3,4,5,6", "cinque numeri"},
        {"--sistema dieci --numeri 1,2,3,4,50", "da 1 a 49"},
        {"--sistema dieci --numeri 1,2,3,4,4", "ripetuto"},
        {"--sistema dieci --numeri 1,2,3,4,5 --numerone 11", "compreso tra 1 e 10"},
        {"--sistema dieci --numeri 1,2,3,4,5 --numerone 3,3", "ripetuto"},
        {"--sistema dieci --numeri 1,2,3,4,5 --numerone", "Manca il valore"},
        {"--sistema dieci --numeri 1,2,3,4,5 --colonne 3", "Opzione sconosciuta"},
        {"--sistema Dieci! --numeri 1,2,3,4,5", "Nome di sistema non valido"},
        {"--sistema nessuno --numeri 1,2,3,4,5", "nessuno"},
    };
    for (const auto& c : cases) {
        const CliResult r = runCli("spoglio " + std::string(c.args) + folder);
        EXPECT_EQ(r.status, 2) << c.args;
        EXPECT_EQ(r.out, "") << c.args;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << c.args << ": " << r.err;
    }
}

#include "checking/WinLevels.h"
#include "checking/WinLevelsText.h"
#include "support/Columns.h"
#include "support/RunCli.h"
#include "system/ProgramState.h"
#include "system/SystemStorage.h"

#include <gtest/gtest.h>

using namespace varnelo;
using namespace varnelo::test;

namespace {

// Saves "prova": the numbers 1..9 with 1 and 2 fixed, and every column of
// 1..9 that holds 1 and 2 and sums to 20 or more.
ProgramState& saveProva(ProgramState& state) {
    for (int n = 3; n <= 9; ++n)
        state.selection.setState(n, Selection::Chosen);
    state.selection.setState(1, Selection::Fixed);
    state.selection.setState(2, Selection::Fixed);
    state.selection.setNumerone(1, true);
    state.selection.setNumerone(2, true);
    forEachColumn({1, 2, 3, 4, 5, 6, 7, 8, 9}, [&](const Column& c) {
        if (c[0] == 1 && c[1] == 2 && c[0] + c[1] + c[2] + c[3] + c[4] >= 20)
            state.columns.store(++state.columns.storedCount, c);
    });
    auto& columns = state.columns;
    columns.systemTotal = columns.developedCount = columns.finalCount = columns.storedCount;
    columns.hasColumns = true;
    state.systemName = "prova";
    state.settings.saveColumns = true;
    Progress progress;
    EXPECT_TRUE(varnelo::saveSystem(state, progress).done());
    return state;
}

std::string expected(const ProgramState& state, bool withFixed) {
    Progress progress;
    std::string text;
    for (const std::string& l : winLevelsLines(
             winLevels(winLevelsInput(state.selection, state.columns, withFixed), progress)))
        text += l + '\n';
    return text;
}

} // namespace

TEST(CliDistribuzione, PrintsTheTableOfTheSavedSystem) {
    const TestFolder folder;
    ProgramState state{folder.folder()};
    saveProva(state);
    const std::string dir = folder.root.string();

    const CliResult all = runCli("distribuzione --cartella " + dir + " --sistema prova");
    ASSERT_EQ(all.status, 0) << all.err;
    EXPECT_EQ(all.out, expected(state, false));
    EXPECT_EQ(all.out.rfind("1 1 9 0 0 0 0 6 24 100.00\n", 0), 0u) << all.out;

    const CliResult fixed =
        runCli("distribuzione --capogiochi --cartella " + dir + " --sistema prova");
    ASSERT_EQ(fixed.status, 0) << fixed.err;
    EXPECT_EQ(fixed.out, expected(state, true));
    // Every column holds 1 and 2: the pair alone, in all 24 of them.
    EXPECT_EQ(fixed.out.rfind("2 2 1 0 0 0 0 24 24 100.00\n", 0), 0u) << fixed.out;
    EXPECT_NE(fixed.out, all.out);
}

TEST(CliDistribuzione, BadArgumentsGiveAnItalianMessageAndStatusTwo) {
    const TestFolder folder;
    ProgramState state{folder.folder()};
    saveProva(state);
    const std::string dir = " --cartella " + folder.root.string();
    const struct {
        std::string args;
        const char* message;
    } cases[] = {
        {dir, "Indicare il sistema con --sistema NOME"},
        {dir + " --sistema", "Opzione sconosciuta o senza valore: --sistema"},
        {dir + " --sistema prova --numeri 1,2", "Opzione sconosciuta o senza valore: --numeri"},
        {dir + " --sistema ../prova", "Nome di sistema non valido: ../prova"},
        {dir + " --sistema assente", "assente"},
        {dir + " --sistema prova --sistema altro", "Opzione sconosciuta o senza valore"},
    };
    for (const auto& c : cases) {
        const CliResult r = runCli("distribuzione" + c.args);
        EXPECT_EQ(r.status, 2) << c.args;
        EXPECT_EQ(r.out, "") << c.args;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << c.args << ": " << r.err;
    }
}

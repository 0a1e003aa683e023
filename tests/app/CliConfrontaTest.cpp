#include "support/Columns.h"
#include "support/RunCli.h"
#include "system/ColumnSystems.h"

#include <gtest/gtest.h>

using namespace varnelo;
using namespace varnelo::test;

namespace {

const Column x = col(1, 2, 3, 4, 5);
const Column y = col(10, 20, 30, 40, 49);
const Column z = col(6, 7, 8, 9, 11);
const Column near = col(1, 2, 30, 31, 32); // two numbers of x

// A folder with the systems "a" = x, y, y and "b" = y, z, near.
struct TwoSystems {
    TestFolder t = TestFolder({"qor"});
    TwoSystems() {
        EXPECT_TRUE(saveColumnSystem(t.folder(), "a", {x, y, y}).done());
        EXPECT_TRUE(saveColumnSystem(t.folder(), "b", {y, z, near}).done());
    }
    CliResult run(const std::string& args) const {
        return runCli(args + " --cartella " + t.root.string());
    }
};

TEST(CliConfronta, PrintsEachOperation) {
    const TwoSystems s;
    struct Case {
        const char* args;
        const char* out;
    };
    const Case cases[] = {
        {"confronta a b --operazione or", "1 2 3 4 5\n10 20 30 40 49\n6 7 8 9 11\n1 2 30 31 32\n"},
        {"confronta a b --operazione and", "10 20 30 40 49\n10 20 30 40 49\n"},
        {"confronta a b --operazione xor", "1 2 3 4 5\n6 7 8 9 11\n1 2 30 31 32\n"},
        {"confronta a b --operazione sottrazione", "1 2 3 4 5\n"},
        {"confronta a b --operazione somma",
         "1 2 3 4 5\n10 20 30 40 49\n10 20 30 40 49\n10 20 30 40 49\n6 7 8 9 11\n1 2 30 31 32\n"},
        {"confronta a --operazione uguali", "1 2 3 4 5\n10 20 30 40 49\n"},
        {"unisci a b", "1 2 3 4 5\n10 20 30 40 49\n10 20 30 40 49\n10 20 30 40 49\n6 7 8 9 "
                       "11\n1 2 30 31 32\n"},
        {"unisci a b --elimina 5", "1 2 3 4 5\n10 20 30 40 49\n10 20 30 40 49\n6 7 8 9 11\n1 2 "
                                   "30 31 32\n"},
        {"unisci a b --elimina 2", "1 2 3 4 5\n10 20 30 40 49\n10 20 30 40 49\n6 7 8 9 11\n"},
    };
    for (const Case& c : cases) {
        const CliResult r = s.run(c.args);
        EXPECT_EQ(r.status, 0) << c.args << '\n' << r.err;
        EXPECT_EQ(r.out, c.out) << c.args;
    }
}

TEST(CliConfronta, JoinReportsEliminatedColumns) {
    const TwoSystems s;
    EXPECT_EQ(s.run("unisci a b --elimina 2").err, "Eliminate = 2\n");
    EXPECT_EQ(s.run("unisci a b").err, "Eliminate = 0\n");
}

TEST(CliConfronta, SavesAColumnSystemThatCanBeComparedAgain) {
    const TwoSystems s;
    const CliResult saved = s.run("unisci a b --elimina 5 --salva unito");
    ASSERT_EQ(saved.status, 0) << saved.err;
    EXPECT_TRUE(saved.out.empty());
    EXPECT_NE(readFile(s.t / "qor/unito.sss").find("Eliminate = 1"), std::string::npos);
    const CliResult back = s.run("confronta unito a --operazione sottrazione");
    EXPECT_EQ(back.out, "6 7 8 9 11\n1 2 30 31 32\n");
    ASSERT_EQ(s.run("confronta a b --operazione and --salva comuni").status, 0);
    EXPECT_EQ(s.run("confronta comuni --operazione uguali").out, "10 20 30 40 49\n");
}

TEST(CliConfronta, RefusalsPrintTheNoticeAndExit1) {
    const TwoSystems s;
    ASSERT_TRUE(saveColumnSystem(s.t.folder(), "vuoto", {}).done());
    struct Case {
        const char* args;
        const char* inErr;
    };
    const Case cases[] = {
        {"confronta a b --operazione or --salva archivio", "col nome ''archivio''"},
        {"confronta a b --operazione or --salva b", "lo stesso nome di uno dei due sistemi,"},
        {"unisci a b --salva a", "Immettere un nome diverso dai"},
        {"confronta a b --operazione or --salva vuoto", "Sostituire il file?"},
        {"confronta a manca --operazione and", "Non esiste o e stato manomesso!"},
        {"unisci a a", "non aprire due volte lo stesso sistema!"},
        {"unisci a vuoto", "colonna, operazione annullata."},
    };
    for (const Case& c : cases) {
        const CliResult r = s.run(c.args);
        EXPECT_EQ(r.status, 1) << c.args;
        EXPECT_NE(r.err.find(c.inErr), std::string::npos) << c.args << '\n' << r.err;
        EXPECT_TRUE(r.out.empty()) << c.args;
    }
    EXPECT_EQ(s.run("confronta vuoto --operazione uguali").out, "");
}

TEST(CliConfronta, FirstSystemOver20000ColumnsCannotBeJoined) {
    const TwoSystems s;
    std::vector<Column> many;
    forEveryColumn([&](const Column& c) {
        if (many.size() < 20001)
            many.push_back(c);
    });
    ASSERT_TRUE(saveColumnSystem(s.t.folder(), "grande", many).done());
    const CliResult r = s.run("unisci grande a");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("superare le 20.000 colonne."), std::string::npos);
    many.pop_back();
    ASSERT_TRUE(saveColumnSystem(s.t.folder(), "giusto", many).done());
    // x of "a" repeats a column of "giusto", y a column of "a" itself.
    EXPECT_EQ(s.run("unisci giusto a --elimina 5").err, "Eliminate = 2\n");
}

TEST(CliConfronta, BadUsageExits2) {
    const TwoSystems s;
    for (const char* args : {"confronta a b", "confronta a b --operazione media",
                             "confronta a --operazione or", "confronta a b --operazione uguali",
                             "unisci a", "unisci a b --elimina 1", "unisci a b --sconosciuta 3"})
        EXPECT_EQ(s.run(args).status, 2) << args;
}

} // namespace

#include "support/RunCli.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <string>

using varnelo::test::CliResult;
using varnelo::test::runCli;
using varnelo::test::TestFolder;

TEST(CliMetriche, PrintsTheValuesInOrder) {
    const CliResult r = runCli("metriche", "5 4 3 2 1\n\n2,4,6,8,10\r\n");
    ASSERT_EQ(r.status, 0) << r.err;
    // Numbers, codes 1..30, 34, 40, 41, 42, then distances and sums.
    EXPECT_EQ(r.out,
              "1 2 3 4 5 2 1 3 1 2 3 4 2 2 0 2 1 0 0 4 2 2 4 0 4 0 5 4 3 2 3 0 0 0 0 1 5 5 5 "
              "4 1 1 1 15 6 9\n"
              "2 4 6 8 10 5 5 0 0 0 0 0 0 4 2 2 1 4 2 0 0 0 0 4 0 0 1 3 4 3 4 5 0 0 0 2 5 1 1 "
              "8 2 2 2 30 30 0\n");
}

TEST(CliMetriche, BadLinesStopWithTheirLineNumber) {
    const struct {
        const char* input;
        const char* fragment;
    } cases[] = {
        {"1 2 3 4 5\n1 2 3 4 50\n", "Riga 2"},
        {"1 2 3 4\n", "Riga 1"},
        {"1 2 3 4 5\n\n7 7 8 9 10\n", "Riga 3"},
        {"1 2 x 4 5\n", "Riga 1"},
        {"1 2 3 4 5 6\n", "Riga 1"},
    };
    for (const auto& c : cases) {
        const CliResult r = runCli("metriche", c.input);
        EXPECT_EQ(r.status, 2) << c.input;
        EXPECT_NE(r.err.find(c.fragment), std::string::npos) << r.err;
    }
}

TEST(CliMetriche, ReadsAFileAndRefusesAMissingOne) {
    const TestFolder folder{TestFolder::Bare{}};
    const auto path = folder / "colonne.txt";
    varnelo::test::writeFile(path, "10 20 30 40 49\n");
    const CliResult ok = runCli("metriche " + path.string(), "");
    EXPECT_EQ(ok.status, 0);
    EXPECT_EQ(ok.out.substr(0, 15), "10 20 30 40 49 ");
    const CliResult missing = runCli("metriche /nessuno/file.txt", "");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("Impossibile aprire"), std::string::npos);
}

#include "support/RunCli.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

using varnelo::test::CliResult;
using varnelo::test::runCli;

TEST(CliRidotti, PrintsTheRowsOfACode) {
    CliResult r = runCli("ridotto R5N10F0G35");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "1 2 3 4 5 \n6 7 8 9 10\n");
    r = runCli("ridotto O5N05F1G33V01");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 3);
    for (const char* code : {"R5N10F0G65V01", "R0N00F0G00V00", "O0N00F0G00V00", "X"}) {
        r = runCli(std::string("ridotto ") + code);
        EXPECT_EQ(r.status, 3) << code;
        EXPECT_EQ(r.out, "") << code;
        EXPECT_EQ(r.err, "Ridotto non compatibile al pronostico inserito!\n") << code;
    }
    EXPECT_EQ(runCli("ridotto").status, 2);
}

TEST(CliRidotti, ListsAndVerifiesTheCatalogue) {
    CliResult r = runCli("elenco-ridotti");
    ASSERT_EQ(r.status, 0) << r.err;
    std::istringstream lines(r.out);
    int count = 0;
    for (std::string code, rows; lines >> code >> rows; ++count) {
        EXPECT_EQ(code.size(), 13u) << code;
        EXPECT_GT(std::stoul(rows), 0u) << code;
    }
    EXPECT_EQ(count, 2080);
    EXPECT_NE(r.out.find("R5N10F0G35V01 2\n"), std::string::npos);

    r = runCli("verifica-ridotti");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "ridotti verificati: 2080/2080\n");
}

// The code on the first line of standard error, the columns on standard
// output; the full development when no table makes sense.
TEST(CliRidotti, AppliesATableToTheNumbers) {
    const struct {
        const char* args;
        int status;
        const char* firstError;
        const char* firstColumn;
        long columns;
    } cases[] = {
        {"--numeri 3,7,11,20,33,41 --garanzia 3", 0, "Codice = R5N06F0G35V01", "7 11 20 33 41", 1},
        {"--numeri 1,2,3,4,5,6,7,8,9,10,11,12 --fisse 40 --garanzia 3", 0, "Codice = R5N12F1G35V01",
         "1 2 3 4 40", 3},
        // A fixed number among the numbers is a fixed number.
        {"--numeri 1,2,3,4,5,6,7,8,9,10,11,12,40 --fisse 40 --garanzia 3", 0,
         "Codice = R5N12F1G35V01", "1 2 3 4 40", 3},
        {"--numeri 1,2,3,4,5 --garanzia 3", 0, "Codice = R0N00F0G00V00", "1 2 3 4 5", 1},
        {"--numeri 1,2,3,4,5,6,7 --fisse 9 --garanzia 1", 0, "Codice = R0N00F0G00V00", "1 2 3 4 9",
         35},
        {"--numeri 1,2,3,4,5,6,7,8,9,10 --garanzia 5", 3, "Codice = R5N10F0G55V01", "", 0},
        {"--numeri 1,x --garanzia 3", 2, "--numeri: \"x\" non e un numero da 1 a 49", "", 0},
        {"--numeri 1,2,3,4,5,6 --garanzia 9", 2,
         "--garanzia: il valore deve essere compreso tra 0 e 5", "", 0},
        {"--numeri 1,2,3,4,5,6", 2,
         "Uso: varnelo-cli applica-ridotto --numeri LISTA [--fisse "
         "LISTA] --garanzia G",
         "", 0},
    };
    for (const auto& k : cases) {
        const CliResult r = runCli(std::string("applica-ridotto ") + k.args);
        EXPECT_EQ(r.status, k.status) << k.args << '\n' << r.err;
        EXPECT_EQ(r.err.substr(0, r.err.find('\n')), k.firstError) << k.args;
        EXPECT_EQ(r.out.substr(0, r.out.find('\n')), k.firstColumn) << k.args;
        EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), k.columns) << k.args;
    }
    const CliResult none = runCli("applica-ridotto --numeri 1,2,3,4,5,6,7,8,9,10 --garanzia 5");
    EXPECT_EQ(none.err,
              "Codice = R5N10F0G55V01\nRidotto non compatibile al\npronostico inserito!\n");
}

// The orthogonal development says its code, where the table came from and
// that the guarantee was verified.
TEST(CliRidotti, OrthogonalDevelopment) {
    CliResult r = runCli("ortogonale --numeri 1,2,3,4,5,6,7,8,9,10,11,12 --opzione 9");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "Codice = O5N12F0G12V01\nTabella costruita\nGaranzia verificata\n");
    EXPECT_EQ(r.out, "1 2 3 4 5\n6 7 8 9 10\n1 2 3 11 12\n");
    // One point with a fixed number is no reduction: every column holding it.
    r = runCli("ortogonale --numeri 1,2,3,4,5,6,7,8,9,10,11,12 --fisse 30 --opzione 8");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "Codice = R0N00F0G00V00\nGaranzia integrale\nGaranzia verificata\n");
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 495);
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "1 2 3 4 30");
    EXPECT_EQ(runCli("ortogonale --numeri 1,2 --opzione 12").status, 2);
    EXPECT_EQ(runCli("ortogonale --opzione 3").status, 2);
}

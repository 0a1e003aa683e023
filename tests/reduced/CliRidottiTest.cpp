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

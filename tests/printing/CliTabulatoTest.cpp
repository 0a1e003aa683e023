#include "printing/ListingReport.h"
#include "support/RunCli.h"
#include "support/SavedSystem.h"
#include "system/SystemPrinting.h"

#include <gtest/gtest.h>

namespace varnelo {
namespace {

using test::TestFolder;

const std::vector<Column> kSeven = {
    {1, 2, 3, 4, 5},      {5, 6, 7, 8, 9},      {10, 11, 12, 13, 14}, {15, 20, 25, 30, 35},
    {40, 41, 42, 43, 44}, {45, 46, 47, 48, 49}, {1, 12, 23, 34, 45}};

std::string coreListing(const ProgramState& state, ListingSize size,
                        const ListingSections& sections) {
    std::string out;
    writeSystemListing(
        state, size, sections, [&](const std::string& l) { out += l + "\n"; }, [] { return true; });
    return out;
}

TEST(CliTabulato, PrintsTheCoreLinesWithTheirTrailingBlanks) {
    TestFolder f;
    const auto state = test::savedSystem(f.folder(), "sette", kSeven, {});
    const std::string dir = " --cartella " + f.root.string();

    const auto plain = test::runCli("tabulato --sistema sette" + dir);
    ASSERT_EQ(plain.status, 0) << plain.err;
    EXPECT_EQ(plain.out, coreListing(*state, ListingSize::Normal, defaultListingSections()));
    EXPECT_EQ(plain.out.substr(0, plain.out.find('\n')), "Nome = sette   Colonne N° = 7");
    EXPECT_NE(plain.out.find("\n | 5  9  14 35 44| 49 45\n"), std::string::npos);

    ListingSections all{};
    all.fill(true);
    const auto large =
        test::runCli("tabulato --sistema sette --carattere 2 --sezioni 0,1,2,3,4,5" + dir);
    ASSERT_EQ(large.status, 0) << large.err;
    EXPECT_EQ(large.out, coreListing(*state, ListingSize::Large, all));
    EXPECT_NE(large.out.find("\n " + std::string(65, '-') + "\n"), std::string::npos);
    EXPECT_NE(large.out.find("<<--  Numeri in gioco  -->>"), std::string::npos);
}

TEST(CliTabulato, RefusesBadOptionsAndMissingSystems) {
    TestFolder f;
    test::savedSystem(f.folder(), "sette", kSeven, {});
    const std::string dir = " --cartella " + f.root.string();
    const struct {
        std::string args;
        int status;
        const char* message;
    } cases[] = {
        {"tabulato --sistema nessuno" + dir, 1, ""},
        {"tabulato" + dir, 2, "Indicare il sistema"},
        {"tabulato --sistema sette --carattere 3" + dir, 2, "--carattere"},
        {"tabulato --sistema sette --sezioni 0,6" + dir, 2, "--sezioni"},
        {"tabulato --sistema sette --modo 1" + dir, 2, "Opzione sconosciuta: --modo"},
    };
    for (const auto& c : cases) {
        const auto r = test::runCli(c.args);
        EXPECT_EQ(r.status, c.status) << c.args;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty()) << c.args;
    }
}

} // namespace
} // namespace varnelo

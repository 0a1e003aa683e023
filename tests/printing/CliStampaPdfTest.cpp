#include "printing/PrintFiles.h"
#include "printing/SlipLayout.h"
#include "support/PdfPages.h"
#include "support/RunCli.h"
#include "support/SavedSystem.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace varnelo {
namespace {

using test::pageCount;
using test::Picture;
using test::renderPage;
using test::TestFolder;

bool stampaAvailable() {
    return test::runCli("").err.find("stampa --sistema") != std::string::npos;
}

const std::vector<Column> kSeven = {
    {1, 2, 3, 4, 5},      {5, 6, 7, 8, 9},      {10, 11, 12, 13, 14}, {15, 20, 25, 30, 35},
    {40, 41, 42, 43, 44}, {45, 46, 47, 48, 49}, {1, 12, 23, 34, 45}};

TEST(CliStampaPdf, MarksLandOnTheLayoutInTheModeColour) {
    if (!stampaAvailable())
        GTEST_SKIP() << "varnelo-cli senza Qt";
    TestFolder f;
    test::savedSystem(f.folder(), "sette", kSeven, {});
    const SlipLayout layout = defaultSlipLayout();
    const auto pdf = f / "schedine.pdf";
    const struct {
        int mode;
        std::uint32_t colour;
    } modes[] = {{1, 0x000000}, {2, 0x808080}, {3, 0xC0C0C0}};
    for (const auto& m : modes) {
        SCOPED_TRACE(m.mode);
        const auto r = test::runCli("stampa --sistema sette --schedine --per-schedina 3 --modo " +
                                    std::to_string(m.mode) + " --pdf " + pdf.string() +
                                    " --cartella " + f.root.string());
        ASSERT_EQ(r.status, 0) << r.err;
        // 7 columns at 3 a slip: the last slip holds one column, its grids 2 and 3 empty.
        EXPECT_EQ(pageCount(pdf), 3);
        const Picture first = renderPage(pdf, 1);
        ASSERT_TRUE(first.ok());
        for (int grid = 1; grid <= 3; ++grid)
            for (std::uint8_t n : kSeven[static_cast<std::size_t>(grid - 1)])
                EXPECT_EQ(first.markAt(layout.at(grid, n)), m.colour) << grid << "/" << int(n);
        EXPECT_EQ(first.markAt(layout.at(1, 6)), 0xFFFFFFU);
        EXPECT_EQ(first.markAt(layout.at(4, 1)), 0xFFFFFFU);
        const Picture last = renderPage(pdf, 3);
        ASSERT_TRUE(last.ok());
        for (std::uint8_t n : kSeven[6])
            EXPECT_EQ(last.markAt(layout.at(1, n)), m.colour) << int(n);
        for (int grid = 2; grid <= kSlipGrids; ++grid)
            for (int cell = 1; cell <= kGridCells; ++cell)
                EXPECT_EQ(last.markAt(layout.at(grid, cell)), 0xFFFFFFU) << grid << "/" << cell;
    }
}

TEST(CliStampaPdf, CalibrationMovesEveryMarkAlike) {
    if (!stampaAvailable())
        GTEST_SKIP() << "varnelo-cli senza Qt";
    TestFolder f;
    test::savedSystem(f.folder(), "sette", kSeven, {});
    CalibrationSettings cal;
    cal.shift = {SlipEntry::Left, 140, -100};
    std::string error;
    ASSERT_TRUE(writeCalibration(f.folder(), cal, error)) << error;
    const auto pdf = f / "tarata.pdf";
    const auto r = test::runCli("stampa --sistema sette --schedine --pdf " + pdf.string() +
                                " --cartella " + f.root.string());
    ASSERT_EQ(r.status, 0) << r.err;
    const Picture page = renderPage(pdf, 1);
    ASSERT_TRUE(page.ok());
    const SlipLayout layout = defaultSlipLayout();
    for (int grid = 1; grid <= 5; ++grid)
        for (std::uint8_t n : kSeven[static_cast<std::size_t>(grid - 1)]) {
            const TwipPoint p = layout.at(grid, n);
            EXPECT_EQ(page.markAt({p.x + 140, p.y - 100}), 0x000000U) << grid << "/" << int(n);
            EXPECT_EQ(page.markAt(p), 0xFFFFFFU) << grid << "/" << int(n);
        }
}

TEST(CliStampaPdf, ListingTextEqualsTheListingLines) {
    if (!stampaAvailable())
        GTEST_SKIP() << "varnelo-cli senza Qt";
    TestFolder f;
    std::vector<Column> many;
    for (std::uint8_t a = 1; many.size() < 180; ++a)
        for (std::uint8_t b = a + 1; b <= 45 && many.size() < 180; ++b)
            many.push_back({a, b, std::uint8_t(46), std::uint8_t(47), std::uint8_t(49)});
    test::savedSystem(f.folder(), "lunga", many, {});
    for (const char* size : {"0", "1", "2"}) {
        SCOPED_TRACE(size);
        const std::string args = " --sistema lunga --carattere " + std::string(size) +
                                 " --sezioni 0,4 --cartella " + f.root.string();
        const auto lines = test::runCli("tabulato" + args);
        ASSERT_EQ(lines.status, 0) << lines.err;
        const auto pdf = f / "tabulato.pdf";
        const auto r = test::runCli("stampa --tabulato" + args + " --pdf " + pdf.string());
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(test::pdfWords(pdf), test::wordsByLine(lines.out));
    }
}

TEST(CliStampaPdf, RefusesWhatCannotBePrinted) {
    if (!stampaAvailable())
        GTEST_SKIP() << "varnelo-cli senza Qt";
    TestFolder f;
    test::savedSystem(f.folder(), "sette", kSeven, {});
    const std::string dir = " --cartella " + f.root.string();
    const auto pdf = (f / "x.pdf").string();
    const struct {
        std::string args;
        int status;
        const char* message;
    } cases[] = {
        {"stampa --sistema sette --schedine" + dir, 2, "Uso:"},
        {"stampa --sistema sette --schedine --tabulato --pdf " + pdf + dir, 2, "Uso:"},
        {"stampa --sistema sette --pdf " + pdf + dir, 2, "Uso:"},
        {"stampa --sistema sette --schedine --modo 4 --pdf " + pdf + dir, 2, "--modo"},
        {"stampa --sistema sette --schedine --per-schedina 6 --pdf " + pdf + dir, 2,
         "--per-schedina"},
        {"stampa --sistema nessuno --schedine --pdf " + pdf + dir, 1, ""},
        {"stampa --sistema sette --schedine --pdf /nessuna/cartella/x.pdf" + dir, 1,
         "Impossibile scrivere il file"},
    };
    for (const auto& c : cases) {
        const auto r = test::runCli(c.args);
        EXPECT_EQ(r.status, c.status) << c.args;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
    EXPECT_FALSE(std::filesystem::exists(f / "x.pdf"));
}

} // namespace
} // namespace varnelo

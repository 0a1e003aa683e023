#include "archive/ArchiveUpdate.h"
#include "support/ArchiveLines.h"

#include <gtest/gtest.h>

#include <functional>

using namespace varnelo;
using namespace varnelo::test;

namespace {

std::vector<std::string_view> views(const std::vector<std::string>& lines) {
    return {lines.begin(), lines.end()};
}

std::vector<std::string> without(std::vector<std::string> lines, std::size_t index) {
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(index));
    return lines;
}

std::vector<std::string> joined(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const std::vector<std::string> kLocal = masterLines(1, 3000);

} // namespace

TEST(ArchiveUpdate, JoinsTheBlockWhereItMeetsTheArchive) {
    struct Case {
        const char* what;
        std::vector<std::string> local;
        std::vector<std::string> block;
        std::vector<std::string> expected;
        std::size_t newDraws;
    };
    const std::vector<std::string> corrected = [] {
        auto block = masterLines(2651, 400);
        block[50].replace(0, 14, "01-02-03-04-05");
        return block;
    }();
    const Case cases[] = {
        {"block from draw 2651", kLocal, masterLines(2651, 400), masterLines(1, 3050), 50},
        {"block from the local last draw", kLocal, masterLines(3000, 11), masterLines(1, 3010), 10},
        {"block older than the archive", masterLines(101, 2900), masterLines(1, 3050),
         masterLines(101, 2950), 50},
        {"short archive", masterLines(1, 10), masterLines(5, 20), masterLines(1, 24), 14},
        {"block corrects a local draw", kLocal, corrected, joined(masterLines(1, 2650), corrected),
         50},
        {"blank lines and CRLF ends",
         kLocal,
         {masterLines(2999, 1)[0] + "\r", "", masterLines(3000, 1)[0], "  ",
          masterLines(3001, 1)[0] + "  "},
         masterLines(1, 3001),
         1},
    };
    for (const Case& c : cases) {
        const ArchiveMerge m = mergeArchiveBlock(views(c.local), views(c.block));
        ASSERT_EQ(m.kind, UpdateKind::Updated) << c.what << ": " << m.reason;
        EXPECT_EQ(m.lines, c.expected) << c.what;
        EXPECT_EQ(m.newDraws, c.newDraws) << c.what;
    }
}

TEST(ArchiveUpdate, ABlockEndingOnTheLocalLastDrawIsAlreadyCurrent) {
    for (const auto& block : {masterLines(2651, 350), masterLines(3000, 1), masterLines(1, 3000)})
        EXPECT_EQ(mergeArchiveBlock(views(kLocal), views(block)).kind, UpdateKind::AlreadyCurrent);
}

TEST(ArchiveUpdate, RefusesABlockThatWouldLoseOrCorruptADraw) {
    struct Case {
        const char* what;
        std::vector<std::string> local;
        std::vector<std::string> block;
        const char* reason;
    };
    auto block = [](const std::function<void(std::vector<std::string>&)>& change) {
        auto lines = masterLines(2651, 400);
        change(lines);
        return lines;
    };
    const Case cases[] = {
        {"bad number in the middle", kLocal,
         block([](auto& l) { l[199] = "05-08-21-37-50060823-03-2020"; }),
         "Non valida la riga 200 del blocco scaricato"},
        {"Numerone out of range", kLocal, block([](auto& l) { l[9].replace(14, 2, "11"); }),
         "Non valida la riga 10 del blocco scaricato"},
        {"impossible date", kLocal, block([](auto& l) { l[299].replace(18, 5, "31-04"); }),
         "Non valida la riga 300 del blocco scaricato"},
        {"truncated last line", kLocal, block([](auto& l) { l.back().resize(17); }),
         "Non valida la riga 400 del blocco scaricato"},
        {"html page instead of a block",
         kLocal,
         {"<html><body>Not found</body></html>"},
         "Non valida la riga 1 del blocco scaricato"},
        {"gap after the archive", kLocal, masterLines(3002, 50), "non si collega"},
        {"block ends before the archive", kLocal, masterLines(2651, 250),
         "non contiene l'estrazione"},
        {"block misses a local draw", kLocal, without(masterLines(2651, 400), 149),
         "non contiene l'estrazione"},
        {"dates out of order", kLocal, block([](auto& l) { std::swap(l[369], l[370]); }),
         "(riga 371 del blocco scaricato) segue"},
        {"empty block", kLocal, {}, "vuoto"},
        {"only blank lines", kLocal, {"", "  ", ""}, "vuoto"},
        {"empty archive", {}, masterLines(1, 10), "Troppe colonne mancanti"},
    };
    for (const Case& c : cases) {
        const ArchiveMerge m = mergeArchiveBlock(views(c.local), views(c.block));
        EXPECT_EQ(m.kind, UpdateKind::Refused) << c.what;
        EXPECT_NE(m.reason.find(c.reason), std::string::npos) << c.what << ": " << m.reason;
        EXPECT_TRUE(m.lines.empty()) << c.what;
    }
}

TEST(ArchiveUpdate, ALocalBadLineRefusesBeforeAnythingElse) {
    auto local = masterLines(1, 20);
    local[6] = "05-08-21-37-46060832-03-2012";
    const ArchiveMerge m = mergeArchiveBlock(views(local), views(masterLines(15, 10)));
    EXPECT_EQ(m.kind, UpdateKind::Refused);
    EXPECT_NE(m.reason.find("riga 7 dell'archivio"), std::string::npos) << m.reason;
}

TEST(ArchiveUpdate, ChecksAWholeArchive) {
    struct Case {
        std::vector<std::string> lines;
        const char* reason; // empty when sound
    };
    auto swapped = masterLines(1, 30);
    std::swap(swapped[11], swapped[12]);
    auto repeated = masterLines(1, 30);
    repeated[20] = repeated[19];
    const Case cases[] = {
        {masterLines(1, 30), ""},
        {swapped, "riga 13 dell'archivio"},
        {repeated, "riga 21 dell'archivio"},
        {{masterLines(1, 1)[0], "05-08-21"}, "Non valida la riga 2 dell'archivio"},
    };
    for (const Case& c : cases) {
        std::string reason;
        EXPECT_EQ(checkArchiveLines(views(c.lines), reason), *c.reason == 0) << reason;
        EXPECT_NE(reason.find(c.reason), std::string::npos) << reason;
    }
}

#include "checking/PrizeSheet.h"
#include "support/TestFolder.h"

using namespace varnelo;
using namespace varnelo::test;

namespace {

PrizeSheet filledSheet() {
    PrizeSheet s;
    s.shopKind = 2;
    s.shopName = "Rossi \"da Gino\"";
    s.street = "Garibaldi 12";
    s.telephone = "011 555 1234";
    s.date = "Aggiornato al 14/03/2024";
    s.wins = {"", "1", "3", "", "27"};
    s.amounts = {"", "612.340,00", "48.102,15", "", "3.210,40"};
    return s;
}

} // namespace

TEST(PrizeSheet, MissingFileIsAnEmptySheetAndWritingCreatesIt) {
    TestFolder t;
    PrizeSheet s = filledSheet();
    EXPECT_FALSE(readPrizeSheet(t.folder(), s));
    EXPECT_EQ(s, PrizeSheet{});
    std::string error;
    ASSERT_TRUE(writePrizeSheet(t.folder(), s, error)) << error;
    const std::vector<std::string> lines = fileLines(t / "enal/montepremi.txt");
    EXPECT_EQ(lines, std::vector<std::string>(14, "\"\""));
    PrizeSheet back = filledSheet();
    EXPECT_FALSE(readPrizeSheet(t.folder(), back));
    EXPECT_EQ(back, PrizeSheet{});
}

TEST(PrizeSheet, FourteenQuotedTextsInTheirOrder) {
    TestFolder t;
    std::string error;
    ASSERT_TRUE(writePrizeSheet(t.folder(), filledSheet(), error)) << error;
    EXPECT_EQ(readFile(t / "enal/montepremi.txt"),
              "\"Tabacchi di: Rossi \"\"da Gino\"\"\"\r\n"
              "\"Garibaldi 12\"\r\n"
              "\"011 555 1234\"\r\n"
              "\"Aggiornato al 14/03/2024\"\r\n"
              "\"\"\r\n\"1\"\r\n\"3\"\r\n\"\"\r\n\"27\"\r\n"
              "\"\"\r\n\"612.340,00\"\r\n\"48.102,15\"\r\n\"\"\r\n\"3.210,40\"\r\n");
    PrizeSheet back;
    EXPECT_FALSE(readPrizeSheet(t.folder(), back));
    EXPECT_EQ(back, filledSheet());
}

TEST(PrizeSheet, ThePointOfSaleKindIsReadFromTheFirstText) {
    const std::pair<const char*, std::pair<int, const char*>> cases[] = {
        {"\"Ricevitoria di: Centrale\"", {0, "Centrale"}},
        {"\"Bar di:Sport\"", {1, "Sport"}},
        {"\"Edicola di:   \"", {3, ""}},
        {"\"Da Mario\"", {0, "Da Mario"}}, // a file written by hand names no kind
        {"Ricevitoria di: senza virgolette", {0, "senza virgolette"}},
    };
    for (const auto& [first, expected] : cases) {
        std::string text = std::string(first) + "\r\n";
        for (int i = 1; i < 14; ++i)
            text += "\"\"\r\n";
        PrizeSheet s;
        EXPECT_FALSE(parsePrizeSheet(text, s)) << first;
        EXPECT_EQ(s.shopKind, expected.first) << first;
        EXPECT_EQ(s.shopName, expected.second) << first;
    }
    PrizeSheet kindOnly;
    kindOnly.shopKind = 1;
    PrizeSheet back;
    ASSERT_FALSE(parsePrizeSheet(prizeSheetText(kindOnly), back));
    EXPECT_EQ(back, kindOnly);
}

TEST(PrizeSheet, FilesFromElsewhereAreRead) {
    TestFolder t;
    // LF ends, blank lines at the end, a Windows-1252 euro sign.
    std::string text = "\"Ricevitoria di: Nord\"\n\"Roma 1\"\n\"06 1\"\n\"marzo\"\n";
    for (int i = 0; i < 9; ++i)
        text += "\"\"\n";
    text += "\"12 \x80\"\n\n  \n";
    writeFile(t / "enal/montepremi.txt", text);
    PrizeSheet s;
    EXPECT_FALSE(readPrizeSheet(t.folder(), s));
    EXPECT_EQ(s.shopName, "Nord");
    EXPECT_EQ(s.amounts[4], "12 €");
}

TEST(PrizeSheet, BadFilesGiveANoticeAndChangeNothing) {
    const std::string good = prizeSheetText(filledSheet());
    std::string thirteen;
    std::string fifteen = good + "\"di troppo\"\r\n";
    for (int i = 0; i < 13; ++i)
        thirteen += "\"\"\r\n";
    const std::pair<const char*, std::string> cases[] = {
        {"thirteen values", thirteen},
        {"fifteen values", fifteen},
        {"empty file", ""},
        {"unclosed quote", "\"Bar di: x\r\n" + good.substr(good.find('\n') + 1)},
        {"stray quote", "\"a\"b\"\r\n" + good.substr(good.find('\n') + 1)},
        {"quote in a bare text", "a\"b\r\n" + good.substr(good.find('\n') + 1)},
        {"too large", std::string(70 * 1024, 'x')},
    };
    for (const auto& [what, text] : cases) {
        SCOPED_TRACE(what);
        TestFolder t({"enal"}, what);
        writeFile(t / "enal/montepremi.txt", text);
        PrizeSheet s = filledSheet();
        const std::optional<Notice> notice = readPrizeSheet(t.folder(), s);
        ASSERT_TRUE(notice);
        EXPECT_EQ(notice->title, "Prospetto Montepremio:");
        EXPECT_EQ(notice->lines.size(), 3u);
        EXPECT_EQ(s, filledSheet());
    }
}

TEST(PrizeSheet, PrintedLines) {
    const PrizeSheetLines l = prizeSheetLines(filledSheet());
    EXPECT_EQ(l.heading, "Vincite");
    EXPECT_EQ(l.date, "Aggiornato al 14/03/2024");
    EXPECT_EQ(l.address[0], "Tabacchi di: Rossi \"da Gino\"");
    EXPECT_EQ(l.address[1], "Via: Garibaldi 12");
    EXPECT_EQ(l.address[2], "Telefono: 011 555 1234");
    EXPECT_EQ(l.label[0], "5+2 ");
    EXPECT_EQ(l.label[2], "5   ");
    EXPECT_EQ(l.label[4], "4+1 ");
    EXPECT_EQ(l.wins[4], "27");
    EXPECT_EQ(l.amount[1], "612.340,00    €.");
}

#include "reduced/PersonalTable.h"
#include "support/Columns.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

using namespace varnelo;
using varnelo::test::col;

TEST(PersonalTable, SavedAndOpenedAgain) {
    test::TestFolder dir;
    EXPECT_EQ(defaultPersonalName(dir.folder()), "rqor1");
    const PersonalTable table{12, 1, 3, {col(1, 2, 3, 4, 5), col(6, 7, 8, 9, 50)}};
    ASSERT_FALSE(savePersonalTable(dir.folder(), "rqor1", table));
    EXPECT_EQ(formatPersonalTable(table),
              "2\r\n12\r\n1\r\n3\r\n*\r\n 1 2 3 4 5\r\n 6 7 8 9 50\r\n");
    PersonalTable back;
    ASSERT_FALSE(loadPersonalTable(dir.folder(), "rqor1", back));
    EXPECT_EQ(back, table);
    EXPECT_EQ(defaultPersonalName(dir.folder()), "rqor2");
}

// A damaged file names itself and changes nothing; fewer columns than
// announced are taken as they are.
TEST(PersonalTable, BadFilesChangeNothing) {
    const PersonalTable before{10, 0, 2, {col(1, 2, 3, 4, 5)}};
    const struct {
        const char* text;
        const char* line;
    } bad[] = {
        {"10001\r\n10\r\n0\r\n3\r\n*\r\n", "Colonne N°= 10001"},
        {"x\r\n", "Intestazione non valida alla riga 1"},
        {"1\r\n10\r\n0\r\n5\r\n*\r\n 1 2 3 4 5\r\n", "Intestazione non valida alla riga 4"},
        {"1\r\n10\r\n0\r\n3\r\n 1 2 3 4 5\r\n", "Manca la riga \"*\" alla riga 5"},
        {"1\r\n10\r\n0\r\n3\r\n*\r\n 1 2 3 4 51\r\n", "Colonna non valida alla riga 6"},
        {"1\r\n10\r\n0\r\n3\r\n*\r\n 1 2 3 4 4\r\n", "Colonna non valida alla riga 6"},
        {"1\r\n10\r\n0\r\n3\r\n*\r\n 1 2 3 4\r\n", "Colonna non valida alla riga 6"},
    };
    for (const auto& k : bad) {
        PersonalTable t = before;
        const auto n = parsePersonalTable(k.text, "mio.rid", t);
        ASSERT_TRUE(n) << k.text;
        EXPECT_EQ(n->lines.front(), k.line) << k.text;
        EXPECT_EQ(t, before);
    }
    PersonalTable t;
    ASSERT_FALSE(parsePersonalTable("3\n10\n0\n4\n*\n 5 4 3 2 1\n", "mio.rid", t));
    EXPECT_EQ(t, (PersonalTable{10, 0, 4, {col(1, 2, 3, 4, 5)}}));
    test::TestFolder dir;
    EXPECT_TRUE(loadPersonalTable(dir.folder(), "manca", t));
}

// The player's own table is checked against the guarantee it names.
TEST(PersonalTable, GuaranteeCheckedOnRequest) {
    // Ten positions in two columns: any five of them meet one column in 3.
    PersonalTable t{10, 0, 3, {col(1, 2, 3, 4, 5), col(6, 7, 8, 9, 10)}};
    EXPECT_TRUE(personalTableKeepsItsGuarantee(t));
    t.guarantee = 4;
    EXPECT_FALSE(personalTableKeepsItsGuarantee(t));
    t.guarantee = 3;
    t.columns.push_back(col(1, 2, 3, 4, 11)); // position 11: 11 numbers, not covered
    EXPECT_FALSE(personalTableKeepsItsGuarantee(t));
    EXPECT_FALSE(personalTableKeepsItsGuarantee(PersonalTable{}));
}

// What the table really holds, whatever guarantee its header names.
TEST(PersonalTable, HeldGuarantee) {
    const struct {
        PersonalTable table;
        int held;
    } cases[] = {
        {{5, 0, 4, {col(1, 2, 3, 4, 5)}}, 5},
        {{10, 0, 4, {col(1, 2, 3, 4, 5), col(6, 7, 8, 9, 10)}}, 3},
        // Position 11 widens the numbers: five of 1..11 may meet either column in 2 only.
        {{11, 0, 3, {col(1, 2, 3, 4, 5), col(6, 7, 8, 9, 10), col(1, 2, 3, 4, 11)}}, 2},
        {{50, 0, 2, {col(46, 47, 48, 49, 50)}}, 0},
        {{}, 0},
    };
    for (const auto& k : cases)
        EXPECT_EQ(personalTableHeldGuarantee(k.table), k.held) << personalTablePositions(k.table);
}

// "Verifica garanzia" says plainly whether the named guarantee holds and what does.
TEST(PersonalTable, GuaranteeReport) {
    PersonalTable t{10, 0, 3, {col(1, 2, 3, 4, 5), col(6, 7, 8, 9, 10)}};
    EXPECT_EQ(personalGuaranteeReport(t).lines,
              (std::vector<std::string>{"Garanzia 3 rispettata sui 10 numeri in gioco (1..10):",
                                        "cinque numeri estratti tra questi danno sempre",
                                        "almeno 3 punti in una colonnina."}));
    t.guarantee = 4;
    EXPECT_EQ(personalGuaranteeReport(t).lines,
              (std::vector<std::string>{"Garanzia 4 NON rispettata sui 10 numeri in gioco (1..10).",
                                        "Il ridotto garantisce soltanto 3 punti.",
                                        "Aggiungi colonnine o scegli una garanzia più bassa."}));
    // Five columns apart: five numbers may fall one in each.
    t.columns = {col(1, 2, 3, 4, 5), col(6, 7, 8, 9, 10), col(11, 12, 13, 14, 15),
                 col(16, 17, 18, 19, 20), col(21, 22, 23, 24, 25)};
    EXPECT_EQ(personalGuaranteeReport(t).lines[1], "Il ridotto garantisce soltanto 1 punto.");
    EXPECT_EQ(personalGuaranteeReport(PersonalTable{}).lines.front(),
              "Il ridotto non ha colonnine da verificare.");
}

// The open windows list every table, damaged ones too, so that they can be deleted.
TEST(PersonalTable, ListedAndDeleted) {
    test::TestFolder dir({"ridotti"});
    ASSERT_FALSE(savePersonalTable(dir.folder(), "zeta", {12, 1, 4, {col(1, 2, 3, 4, 5)}}));
    ASSERT_FALSE(savePersonalTable(dir.folder(), "alfa", {10, 0, 2, {}}));
    test::writeFile(dir / "ridotti/rotto.rid", "1\r\n10\r\n");
    test::writeFile(dir / "ridotti/R5N10F0G35V01.cna", "1 2 3 4 5\r\n");
    const auto entries = listPersonalTables(dir.folder());
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].name, "alfa");
    EXPECT_FALSE(entries[0].damaged);
    EXPECT_EQ(entries[1].name, "rotto");
    EXPECT_TRUE(entries[1].damaged);
    EXPECT_EQ(entries[2].name, "zeta");
    EXPECT_EQ(entries[2].columns, 1u);
    EXPECT_EQ(entries[2].numbersInPlay, 12);
    EXPECT_EQ(entries[2].leaders, 1);
    EXPECT_EQ(entries[2].guarantee, 4);

    EXPECT_FALSE(deletePersonalTable(dir.folder(), "rotto"));
    EXPECT_FALSE(personalTableExists(dir.folder(), "rotto"));
    EXPECT_TRUE(deletePersonalTable(dir.folder(), "rotto"));
    EXPECT_EQ(listPersonalTables(dir.folder()).size(), 2u);
}

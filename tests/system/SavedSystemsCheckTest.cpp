#include "system/SavedSystemsCheck.h"
#include "checking/WinsTable.h"
#include "support/Columns.h"
#include "support/SavedSystem.h"
#include "support/TestFolder.h"

using namespace varnelo;
using namespace varnelo::test;

// Each saved system gets its row; one that cannot be read says why in its
// row and the next one is still checked.
TEST(SavedSystemsCheck, ChecksEverySystemAndReportsTheUnreadable) {
    TestFolder t;
    savedSystem(t.folder(), "alfa", integral({1, 2, 3, 4, 5, 6}), {2, 5});
    savedSystem(t.folder(), "beta", {col(1, 2, 3, 40, 41)}, {});
    savedSystem(t.folder(), "gamma", {col(1, 2, 3, 40, 41)}, {});
    writeFile(t / "qor/gamma.cna", "1 2 3 nove\r\n");      // a bad line
    writeFile(t / "qor/senza.cna", "1  2  3  4  5  \r\n"); // no settings file
    Combination drawn;
    for (int n : {1, 2, 3, 4, 5})
        drawn.numbers[static_cast<std::size_t>(n)] = true;
    drawn.numeroni[5] = true;
    Progress progress;
    const SavedSystemsCheck check = checkSavedSystems(t.folder(), drawn, progress);
    ASSERT_EQ(check.rows.size(), 4u);
    EXPECT_FALSE(check.tooMany);
    EXPECT_EQ(check.rows[0].name, "alfa");
    EXPECT_EQ(check.rows[0].tally.checked, 6);
    // One column of five hits, five of four; one Numerone of the two hit.
    EXPECT_EQ(check.rows[0].tally.bets[10], 1);
    EXPECT_EQ(check.rows[0].tally.bets[11], 1);
    EXPECT_EQ(check.rows[0].tally.bets[8], 5);
    EXPECT_EQ(check.rows[0].tally.bets[9], 5);
    EXPECT_EQ(check.rows[1].name, "beta");
    EXPECT_EQ(check.rows[1].tally.bets[6], 1); // no Numerone: one bet, never "+1"
    EXPECT_EQ(check.rows[2].name, "gamma");
    EXPECT_NE(check.rows[2].problem.find("riga 1"), std::string::npos) << check.rows[2].problem;
    EXPECT_EQ(check.rows[3].name, "senza");
    EXPECT_NE(check.rows[3].problem.find("senza.sse"), std::string::npos) << check.rows[3].problem;

    const WinsTable table(check);
    ASSERT_EQ(table.rows(), 4);
    EXPECT_EQ(table.header(13), "N° Sch.");
    EXPECT_EQ(table.text(0, 11), "1"); // "5" sits in column 11
    EXPECT_EQ(table.text(0, 13), "6");
    EXPECT_EQ(table.text(2, 13), "");
    EXPECT_EQ(table.text(2, 14), check.rows[2].problem);
}

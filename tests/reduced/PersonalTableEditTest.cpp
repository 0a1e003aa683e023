#include "reduced/PersonalTableEdit.h"
#include "support/Columns.h"

#include <gtest/gtest.h>

using namespace varnelo;
using varnelo::test::col;

namespace {

std::string firstLine(const std::optional<Notice>& n) {
    return n ? n->lines.front() : std::string("(nessun avviso)");
}

} // namespace

// A column takes exactly five different cells of the board, and a column the
// table already has is refused; either refusal changes nothing.
TEST(PersonalTableEdit, MarkedCellsMakeAColumn) {
    const struct {
        std::vector<int> marked;
        const char* line; // empty: accepted
    } cases[] = {
        {{9, 3, 50, 1, 12}, ""},
        {{1, 2, 3, 4}, "Ai evidenziato = 4"},
        {{1, 2, 3, 4, 5, 6}, "Ai evidenziato = 6"},
        {{}, "Ai evidenziato = 0"},
        {{1, 2, 3, 4, 4}, "Ai evidenziato = 4"},
        {{1, 2, 3, 4, 51}, "Ai evidenziato = 4"},
        {{5, 4, 3, 2, 1}, "Colonnina già inserita"},
    };
    PersonalTableEdit edit;
    edit.start({}, "");
    ASSERT_FALSE(edit.insert({1, 2, 3, 4, 5}));
    for (const auto& k : cases) {
        PersonalTableEdit e = edit;
        const auto n = e.insert(k.marked);
        if (!*k.line) {
            EXPECT_FALSE(n) << firstLine(n);
            EXPECT_EQ(e.table().columns.back(), col(1, 3, 9, 12, 50));
            continue;
        }
        EXPECT_EQ(firstLine(n), k.line);
        EXPECT_EQ(e.table(), edit.table());
    }
    ASSERT_FALSE(edit.insert({9, 3, 50, 1, 12}));
    EXPECT_EQ(edit.insert({12, 9, 1, 3, 50})->lines.back(), "alla riga N°= 2");
    EXPECT_EQ(edit.insert({1, 2, 3, 4})->lines.back(), "caselle, ne devi evidenziare = 5");
}

TEST(PersonalTableEdit, TenThousandColumnsAtMost) {
    PersonalTable full;
    for (int a = 1; full.columns.size() < kMaxPersonalColumns; ++a)
        for (int b = a + 1; b <= 46 && full.columns.size() < kMaxPersonalColumns; ++b)
            for (int c = b + 1; c <= 47 && full.columns.size() < kMaxPersonalColumns; ++c)
                full.columns.push_back(col(a, b, c, 48, 49));
    PersonalTableEdit edit;
    edit.start(full, "grande");
    const auto n = edit.insert({1, 2, 3, 4, 5});
    ASSERT_TRUE(n);
    EXPECT_EQ(n->lines.front(), "Colonne N°= 10000");
    EXPECT_EQ(edit.table().columns.size(), kMaxPersonalColumns);
    EXPECT_FALSE(edit.modified());
    edit.erase(0);
    EXPECT_FALSE(edit.insert({1, 2, 3, 4, 5}));
}

// "Modifica colonnina" takes a column onto the board, "Inserisci modifica
// colonnina" writes the marks back in its place; deleting rows before it
// keeps it pointing at the same column.
TEST(PersonalTableEdit, ChangingAColumn) {
    PersonalTableEdit edit;
    edit.start({10, 0, 3, {col(1, 2, 3, 4, 5), col(6, 7, 8, 9, 10), col(1, 2, 3, 4, 6)}}, "mio");
    std::vector<int> marked;
    EXPECT_EQ(firstLine(edit.endChange({1, 2, 3, 4, 7})), "Nessuna colonnina in modifica:");
    EXPECT_EQ(firstLine(edit.beginChange(std::nullopt, marked)), "Evidenzia prima nella lista");
    EXPECT_EQ(firstLine(edit.beginChange(3, marked)), "Evidenzia prima nella lista");

    ASSERT_FALSE(edit.beginChange(2, marked));
    EXPECT_EQ(marked, (std::vector<int>{1, 2, 3, 4, 6}));
    ASSERT_FALSE(edit.erase(0));
    EXPECT_EQ(edit.changing(), 1u);
    // Written back unchanged is no clash with itself; onto another column it is.
    EXPECT_EQ(firstLine(edit.endChange({6, 7, 8, 9, 10})), "Colonnina già inserita");
    ASSERT_FALSE(edit.endChange({1, 2, 3, 4, 12}));
    EXPECT_EQ(edit.table().columns,
              (std::vector<Column>{col(6, 7, 8, 9, 10), col(1, 2, 3, 4, 12)}));
    EXPECT_FALSE(edit.changing());

    // Deleting the column on the board ends its change.
    ASSERT_FALSE(edit.beginChange(0, marked));
    ASSERT_FALSE(edit.erase(0));
    EXPECT_FALSE(edit.changing());
    EXPECT_EQ(firstLine(edit.erase(5)), "Evidenzia prima nella lista");
}

// "Numeri in gioco" grows with the highest position used (the header holds
// at most 49); what is saved is no longer modified.
TEST(PersonalTableEdit, HeaderAndModifiedState) {
    PersonalTableEdit edit;
    edit.start({12, 0, 3, {}}, "");
    EXPECT_FALSE(edit.modified());
    edit.setGuarantee(3);
    edit.setNumbersInPlay(12);
    EXPECT_FALSE(edit.modified());
    ASSERT_FALSE(edit.insert({1, 2, 3, 4, 9}));
    EXPECT_EQ(edit.table().numbersInPlay, 12);
    ASSERT_FALSE(edit.insert({1, 2, 3, 4, 14}));
    EXPECT_EQ(edit.table().numbersInPlay, 14);
    ASSERT_FALSE(edit.insert({1, 2, 3, 4, 50}));
    EXPECT_EQ(edit.table().numbersInPlay, 49);
    EXPECT_TRUE(edit.modified());
    edit.saved("rqor1");
    EXPECT_FALSE(edit.modified());
    EXPECT_EQ(edit.name(), "rqor1");
    edit.setLeaders(1);
    EXPECT_TRUE(edit.modified());
    edit.start({}, "");
    EXPECT_FALSE(edit.modified());
    EXPECT_TRUE(edit.name().empty());
}

#include "columns/ColumnView.h"
#include "support/Columns.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

namespace varnelo {
namespace {

using test::col;

ColumnStore& systemStore() {
    static auto s = std::make_unique<ColumnStore>();
    return *s;
}
ColumnStore& viewStore() {
    static auto s = std::make_unique<ColumnStore>();
    return *s;
}

void fill(ColumnStore& s, const std::vector<Column>& columns) {
    s.clear();
    for (const Column& c : columns)
        s.store(++s.storedCount, c);
    s.systemTotal = s.finalCount = s.storedCount;
    s.hasColumns = s.storedCount > 0;
}

// `count` columns, each told from the others by its place.
void fillNumbered(ColumnStore& s, std::int32_t count) {
    s.clear();
    std::mt19937 rng(count);
    for (std::int32_t i = 1; i <= count; ++i)
        s.store(i, test::randomColumn(rng));
    s.storedCount = s.systemTotal = s.finalCount = count;
    s.hasColumns = count > 0;
}

TEST(ColumnView, MarkedCellsMakeAColumnOnlyWhenFiveNumbersOfTheGame) {
    const struct {
        const char* name;
        std::vector<int> marked;
        std::optional<Column> column;
        std::vector<std::string> notice;
    } cases[] = {
        {"in any order, stored ascending", {40, 3, 17, 9, 22}, col(3, 9, 17, 22, 40), {}},
        {"already ascending", {1, 2, 3, 4, 5}, col(1, 2, 3, 4, 5), {}},
        {"four", {1, 2, 3, 4}, {}, {"Ai evidenziato = 4  Caselle", "Ne devi evidenziare = 5"}},
        {"six", {1, 2, 3, 4, 5, 6}, {}, {"Ai evidenziato = 6  Caselle", "Ne devi evidenziare = 5"}},
        {"none", {}, {}, {"Ai evidenziato = 0  Caselle", "Ne devi evidenziare = 5"}},
        {"the cell 50",
         {50, 1, 2, 3, 4},
         {},
         {"Il numero 50 non si gioca:", "evidenziare numeri da 1 a 49"}},
    };
    for (const auto& c : cases) {
        Column out = col(7, 8, 9, 10, 11);
        const auto notice = columnOfMarks(c.marked, out);
        if (c.column) {
            EXPECT_FALSE(notice) << c.name;
            EXPECT_EQ(out, *c.column) << c.name;
        } else {
            ASSERT_TRUE(notice) << c.name;
            EXPECT_EQ(notice->lines, c.notice) << c.name;
            EXPECT_EQ(out, col(7, 8, 9, 10, 11)) << c.name << ": the column stays";
        }
    }
}

TEST(ColumnView, LoadsUpToTheLimitAndRefusesOneMore) {
    const struct {
        std::int32_t stored, total;
        bool loads;
    } cases[] = {{0, 0, true},
                 {1, 1, true},
                 {kColumnViewLimit, kColumnViewLimit, true},
                 {kColumnViewLimit + 1, kColumnViewLimit + 1, false},
                 {5, ColumnStore::kCapacity + 5, false}};
    for (const auto& c : cases) {
        fillNumbered(systemStore(), c.stored);
        systemStore().systemTotal = c.total;
        fill(viewStore(), {col(1, 2, 3, 4, 5)});
        const auto refused = loadColumnView(systemStore(), viewStore());
        EXPECT_EQ(!refused, c.loads) << c.total;
        if (c.loads) {
            EXPECT_TRUE(sameColumns(systemStore(), viewStore())) << c.total;
            EXPECT_EQ(viewStore().storedCount, c.stored);
            EXPECT_EQ(viewStore().hasColumns, c.stored > 0);
        } else {
            EXPECT_EQ(refused->lines,
                      (std::vector<std::string>{"Colonne N°= " + std::to_string(c.total),
                                                "Max 100.000 colonne."}));
            EXPECT_EQ(viewStore().storedCount, 1) << "the view stays as it was";
        }
    }
}

TEST(ColumnView, SameColumnsSeesAnyChange) {
    fill(systemStore(), {col(1, 2, 3, 4, 5), col(6, 7, 8, 9, 10)});
    ASSERT_FALSE(loadColumnView(systemStore(), viewStore()));
    EXPECT_TRUE(sameColumns(systemStore(), viewStore()));
    viewStore().store(2, col(6, 7, 8, 9, 11));
    EXPECT_FALSE(sameColumns(systemStore(), viewStore()));
    ASSERT_FALSE(loadColumnView(systemStore(), viewStore()));
    removeColumn(viewStore(), 2);
    EXPECT_FALSE(sameColumns(systemStore(), viewStore()));
}

TEST(ColumnView, AppendStopsAtTheLimit) {
    fillNumbered(viewStore(), kColumnViewLimit - 1);
    EXPECT_FALSE(appendColumn(viewStore(), col(1, 2, 3, 4, 5)));
    EXPECT_EQ(viewStore().storedCount, kColumnViewLimit);
    EXPECT_EQ(viewStore().systemTotal, kColumnViewLimit);
    EXPECT_EQ(viewStore().column(kColumnViewLimit), col(1, 2, 3, 4, 5));
    const auto full = appendColumn(viewStore(), col(6, 7, 8, 9, 10));
    ASSERT_TRUE(full);
    EXPECT_EQ(full->lines,
              (std::vector<std::string>{"Non si possono più", "inserire colonne Max 100.000"}));
    EXPECT_EQ(viewStore().storedCount, kColumnViewLimit);
    EXPECT_EQ(viewStore().column(kColumnViewLimit), col(1, 2, 3, 4, 5));
}

TEST(ColumnView, RemovingMovesTheFollowingColumnsUp) {
    const Column a = col(1, 2, 3, 4, 5), b = col(6, 7, 8, 9, 10), c = col(11, 12, 13, 14, 15);
    const struct {
        const char* name;
        std::vector<Column> before;
        std::int32_t removed;
        std::vector<Column> after;
    } cases[] = {
        {"first", {a, b, c}, 1, {b, c}},
        {"middle", {a, b, c}, 2, {a, c}},
        {"last", {a, b, c}, 3, {a, b}},
        {"the only one", {a}, 1, {}},
        {"past the end: nothing", {a, b}, 3, {a, b}},
        {"row 0: nothing", {a, b}, 0, {a, b}},
    };
    for (const auto& t : cases) {
        fill(viewStore(), t.before);
        removeColumn(viewStore(), t.removed);
        EXPECT_EQ(columnsOf(viewStore()), t.after) << t.name;
        const auto n = static_cast<std::int32_t>(t.after.size());
        EXPECT_EQ(viewStore().storedCount, n) << t.name;
        EXPECT_EQ(viewStore().systemTotal, n) << t.name;
        EXPECT_EQ(viewStore().hasColumns, n > 0) << t.name;
        // The freed row is empty again: a later insert never shows a ghost.
        EXPECT_EQ(viewStore().column(n + 1), Column{}) << t.name;
    }
}

} // namespace
} // namespace varnelo

#include "engine/Recalculation.h"
#include "EngineFixture.h"
#include "system/SystemRun.h"

using namespace varnelo;
using namespace varnelo::test;

namespace {

void writeSaved(const Engine& e, const std::string& text) {
    writeFile(e.dir / "qor" / (e.state->systemName + ".cna"), text);
}

} // namespace

TEST(Recalculation, ColumnsThatAllPassComeBackInFileOrder) {
    Engine e;
    writeSaved(e, "10 20 30 40 49 \r\n1  2  3  4  5  \r\n7  8  19 33 41 \n1  2  3  4  5  \r\n");
    const RunResult r = recalculateSystem(*e.state, e.options, e.progress);
    ASSERT_FALSE(r.failure.has_value());
    EXPECT_EQ(e.columns(), (std::vector<Column>{col(10, 20, 30, 40, 49), col(1, 2, 3, 4, 5),
                                                col(7, 8, 19, 33, 41), col(1, 2, 3, 4, 5)}));
    EXPECT_EQ(r.finalCount, 4);
}

TEST(Recalculation, FiltersWithTheCurrentConditions) {
    Engine e;
    writeSaved(e, "2  4  6  8  10 \r\n1  2  3  4  5  \r\n1  3  5  7  9  \r\n");
    e.state->conditions.setActive(3, true); // Dispari 0..3
    for (int v = 0; v <= 3; ++v)
        e.state->conditions.setCell(3, v, {CellStatus::Admitted, 0});
    recalculateSystem(*e.state, e.options, e.progress);
    EXPECT_EQ(e.columns(), (std::vector<Column>{col(2, 4, 6, 8, 10), col(1, 2, 3, 4, 5)}));
}

TEST(Recalculation, ByteOrderMarkAndLastLineWithoutEnd) {
    Engine e;
    writeSaved(e, "\xEF\xBB\xBF"
                  "1  2  3  4  5  \r\n\r\n6  7  8  9  10 ");
    const RunResult r = recalculateSystem(*e.state, e.options, e.progress);
    ASSERT_FALSE(r.failure.has_value()) << r.failure->lines[1];
    EXPECT_EQ(e.columns(), (std::vector<Column>{col(1, 2, 3, 4, 5), col(6, 7, 8, 9, 10)}));
}

TEST(Recalculation, EmptyFileEndsAtOnce) {
    Engine e;
    writeSaved(e, "");
    const RunResult r = recalculateSystem(*e.state, e.options, e.progress);
    EXPECT_FALSE(r.failure.has_value());
    EXPECT_EQ(r.conditioned, 0);
    EXPECT_EQ(r.finalCount, 0);
}

TEST(Recalculation, BadOrMissingFileChangesNothing) {
    const std::string bad[] = {"1 2 3 4 5\n1 2 3 4 50\n", "1 2 3 4\n", "5 4 3 2 1\n",
                               "\x01\x02\xff\n", std::string(100000, '1')};
    for (const std::string& text : bad) {
        Engine e;
        e.state->columns.store(1, col(1, 2, 3, 4, 5));
        e.state->columns.storedCount = e.state->columns.systemTotal = e.state->columns.finalCount =
            1;
        writeSaved(e, text);
        const RunResult r = recalculateSystem(*e.state, e.options, e.progress);
        ASSERT_TRUE(r.failure.has_value()) << text;
        EXPECT_EQ(r.failure->title, "Ricalcolo sistema:");
        EXPECT_EQ(e.state->columns.storedCount, 1);
        EXPECT_EQ(e.state->columns.finalCount, 1);
    }
    Engine none;
    const RunResult r = recalculateSystem(*none.state, none.options, none.progress);
    ASSERT_TRUE(r.failure.has_value());
}

#include "reduced/TableFile.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace varnelo;

namespace {

PositionTable rows(int k, int n, std::vector<std::uint8_t> cells) {
    return PositionTable{k, n, std::move(cells)};
}

} // namespace

TEST(TableFile, KeepsEveryRowOfEverySection) {
    const test::TestFolder folder{test::TestFolder::Bare{}};
    const auto file = folder / "R3G23.tab";
    std::map<int, PositionTable> tables;
    tables[5] = rows(3, 5, {1, 2, 3, 3, 4, 5, 1, 4, 5});
    tables[49] = rows(3, 49, {47, 48, 49, 1, 2, 49, 1, 2, 3});
    std::string error;
    ASSERT_TRUE(TableFile::write(file, 3, 2, 3, tables, error)) << error;
    TableFile tf;
    ASSERT_TRUE(tf.open(file, error)) << error;
    EXPECT_EQ(tf.rowLength(), 3);
    EXPECT_EQ(tf.g(), 2);
    EXPECT_EQ(tf.c(), 3);
    ASSERT_EQ(tf.sections().size(), 2u);
    for (const auto& [n, t] : tables) {
        PositionTable back;
        ASSERT_TRUE(tf.table(n, back, error)) << error;
        EXPECT_EQ(back.n, n);
        // Rows come back sorted by rank, each as a set.
        std::multiset<std::string> want, got;
        for (std::size_t i = 0; i < t.rows(); ++i)
            want.emplace(t.row(i), t.row(i) + 3);
        for (std::size_t i = 0; i < back.rows(); ++i)
            got.emplace(back.row(i), back.row(i) + 3);
        EXPECT_EQ(got, want);
    }
    PositionTable none;
    EXPECT_FALSE(tf.table(6, none, error));
}

TEST(TableFile, DamagedFilesAreRefused) {
    const test::TestFolder folder{test::TestFolder::Bare{}};
    const auto file = folder / "R3G23.tab";
    std::map<int, PositionTable> tables;
    tables[10] = rows(5, 10, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    std::string error;
    ASSERT_TRUE(TableFile::write(file, 5, 3, 5, tables, error));
    const std::string good = test::readFile(file);
    std::string badRank = good;
    badRank.back() = '\x7f'; // a rank beyond C(10, 5)
    const std::string cases[] = {"",
                                 "VRT1",
                                 good.substr(0, good.size() - 1),
                                 "garbage\x01\x02",
                                 std::string(200, '\xff'),
                                 badRank};
    for (const auto& bytes : cases) {
        test::writeFile(file, bytes);
        TableFile tf;
        PositionTable t;
        error.clear();
        const bool ok = tf.open(file, error) && tf.table(10, t, error);
        EXPECT_FALSE(ok) << bytes.size();
        EXPECT_FALSE(error.empty());
    }
}

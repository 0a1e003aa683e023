#include "core/ColumnsFileFormat.h"

#include <gtest/gtest.h>

using namespace varnelo;

TEST(ColumnsFileFormat, LineIsFifteenCharactersLeftAligned) {
    std::string out;
    appendColumnLine(out, Column{1, 12, 23, 34, 45});
    appendColumnLine(out, Column{1, 2, 3, 4, 5});
    EXPECT_EQ(out, "1  12 23 34 45 \r\n1  2  3  4  5  \r\n");
}

TEST(ColumnsFileFormat, ReadsWhatItWritesForEveryNumber) {
    for (int a = 1; a <= 45; ++a) {
        const Column c{std::uint8_t(a), std::uint8_t(a + 1), std::uint8_t(a + 2),
                       std::uint8_t(a + 3), std::uint8_t(a + 4)};
        char line[kColumnLineWidth];
        formatColumnLine(c, line);
        Column back{};
        ASSERT_TRUE(parseColumnLine(std::string_view(line, sizeof line), back)) << a;
        EXPECT_EQ(back, c);
    }
}

TEST(ColumnsFileFormat, RefusesLinesThatAreNotAColumn) {
    const char* bad[] = {"",           "1 2 3 4",     "1 2 3 4 5 6", "0 2 3 4 5",
                         "1 2 3 4 50", "1 2 3 4 123", "5 4 3 2 1",   "1 1 2 3 4",
                         "1 2 x 4 5",  "1,2,3,4,5",   "\x01\xff\x80"};
    for (const char* line : bad) {
        Column c{};
        std::string why;
        EXPECT_FALSE(parseColumnLine(line, c, &why)) << line;
        EXPECT_FALSE(why.empty()) << line;
    }
    Column c{};
    EXPECT_TRUE(parseColumnLine(" 3\t7  9 12 45   \r", c));
    EXPECT_EQ(c, (Column{3, 7, 9, 12, 45}));
}

#include "core/DrawLine.h"

#include <gtest/gtest.h>

using namespace varnelo;

TEST(DrawLine, ReadsTheFixedFieldsAndIgnoresWhatFollowsPosition28) {
    Draw d;
    std::string why;
    ASSERT_TRUE(parseDrawLine(kFirstArchiveLine, d, why)) << why;
    EXPECT_EQ(d.numbers, (Column{5, 8, 21, 37, 46}));
    EXPECT_EQ(d.numeroni[0], 6);
    EXPECT_EQ(d.numeroni[1], 8);
    EXPECT_EQ(d.date(), "23-03-2012");
    EXPECT_EQ(d.text(), "05-08-21-37-46060823-03-2012");
    EXPECT_EQ(d.weekday(), 5); // a Friday
    EXPECT_EQ(italianLongDate(23, 3, 2012), "venerdì, 23 marzo 2012");
    EXPECT_EQ(italianLongDate(16, 6, 2016), "giovedì, 16 giugno 2016");
}

TEST(DrawLine, RefusesMalformedLinesWithAReason) {
    const char* bad[] = {
        "05-08-21-37-46060823-03-201",  // 27 characters
        "",                             //
        "05-08-21-37-50060823-03-2012", // 50
        "00-08-21-37-46060823-03-2012", // 0
        "05-08-21-21-46060823-03-2012", // equal
        "08-05-21-37-46060823-03-2012", // not ascending
        "05-08-21-37-46110823-03-2012", // Numerone 11
        "05-08-21-37-46000823-03-2012", // Numerone 0
        "05-08-21-37-46060831-02-2012", // 31 February
        "05-08-21-37-46060823-13-2012", // month 13
        "05-08-21-37-46060800-03-2012", // day 0
        "05 08 21 37 46060823-03-2012", // separators
        "05-08-21-37-46060823/03/2012", //
        "05-0x-21-37-46060823-03-2012", //
        ("\x01\x02\xff\xfe\x80\x81\x82\x83\x84\x85\x86\x87\x88\x89\x8a\x8b\x8c\x8d\x8e\x8f\x90\x91"
         "\x92\x93\x94\x95\x96\x97")};
    for (const char* line : bad) {
        Draw d;
        std::string why;
        EXPECT_FALSE(parseDrawLine(line, d, why)) << line;
        EXPECT_FALSE(why.empty()) << line;
    }
}

TEST(DrawLine, LeapDaysAndWeekdays) {
    EXPECT_TRUE(isValidDate(29, 2, 2016));
    EXPECT_FALSE(isValidDate(29, 2, 2015));
    EXPECT_FALSE(isValidDate(31, 4, 2016));
    EXPECT_EQ(weekdayOf(4, 1, 2016), 1);  // Monday
    EXPECT_EQ(weekdayOf(10, 1, 2016), 7); // Sunday
}

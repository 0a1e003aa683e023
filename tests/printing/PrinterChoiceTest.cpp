#include "printing/PrintFiles.h"

#include <gtest/gtest.h>

namespace varnelo {
namespace {

TEST(PrinterChoice, ValuesOutOfRangeKeepTheDefaultsAndChoicesRoundTrip) {
    const struct {
        std::array<std::string, 4> values;
        PrinterChoice expected;
    } cases[] = {
        {{"", "", "", ""}, {"", "", 1, true}},
        {{"Laser", "Getto", "3", "0"}, {"Laser", "Getto", 3, false}},
        {{"Laser", "", " 5 ", "1"}, {"Laser", "", 5, true}},
        {{"", "", "9", "x"}, {"", "", 1, true}},
        {{"", "", "0", "0"}, {"", "", 1, false}},
        {{"", "", "2,5", ""}, {"", "", 1, true}},
    };
    for (const auto& c : cases) {
        const PrinterChoice read = printerChoice(c.values);
        EXPECT_EQ(read, c.expected) << c.values[2] << "/" << c.values[3];
        EXPECT_EQ(printerChoice(printerValues(read)), read);
    }
}

} // namespace
} // namespace varnelo

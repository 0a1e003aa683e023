#include "core/WarningTones.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

using namespace varnelo;

TEST(WarningTones, TwoShortDistinctTonesThatStartAndEndQuietly) {
    const auto a = warningTone(0);
    const auto b = warningTone(1);
    EXPECT_NE(a, b);
    for (const auto& t : {a, b}) {
        const double seconds = static_cast<double>(t.size()) / kToneSampleRate;
        EXPECT_GT(seconds, 0.1);
        EXPECT_LT(seconds, 0.6); // short: a warning, not a tune
        EXPECT_LT(std::abs(t.front()), 200);
        EXPECT_LT(std::abs(t.back()), 400);
        const auto peak = std::max_element(
            t.begin(), t.end(), [](auto x, auto y) { return std::abs(x) < std::abs(y); });
        EXPECT_GT(std::abs(*peak), 4000);
        EXPECT_LT(std::abs(*peak), 32000); // never clipped
    }
}

#include "engine/SetupForm.h"

#include <gtest/gtest.h>

using namespace varnelo;

TEST(SetupForm, OrthogonalTwoPointsOfThreeGivesKindSevenAndCodeTwo) {
    SetupForm f;
    f.orthogonalOn = true;
    f.guaranteeIndex = 6;
    EXPECT_STREQ(orthogonalEntry(6), "2 Punti con 3 estratti");
    SystemOptions o;
    ProgramSettings s;
    f.applyTo(o, s);
    EXPECT_EQ(o.guaranteeKind, 7);
    EXPECT_EQ(o.kindCode, 2);
    EXPECT_FALSE(f.levelsEnabled());
    EXPECT_FALSE(f.coverageEnabled());
    EXPECT_FALSE(f.differenceEnabled());
}

TEST(SetupForm, DifferenceThreeRoundTrips) {
    SetupForm f;
    f.differenceOn = true;
    f.difference = 3;
    SystemOptions o;
    ProgramSettings s;
    f.applyTo(o, s);
    EXPECT_EQ(o.kindCode, 23);
    const SetupForm again = SetupForm::fromState(o, s);
    EXPECT_TRUE(again.differenceOn);
    EXPECT_EQ(again.difference, 3);
    EXPECT_FALSE(again.levelsEnabled());
    EXPECT_TRUE(again.differenceEnabled());
}

TEST(SetupForm, TextBoxesTakeTheirLimits) {
    EXPECT_EQ(contestFromText("0"), 1);
    EXPECT_EQ(contestFromText(""), 1);
    EXPECT_EQ(contestFromText("900"), 500);
    EXPECT_EQ(contestFromText("37"), 37);
    EXPECT_EQ(coverageFromText(""), 100.0);
    EXPECT_EQ(coverageFromText("0"), 100.0);
    EXPECT_EQ(coverageFromText("87,55"), 87.6);
    EXPECT_EQ(coverageFromText("250"), 100.0);
}

TEST(SetupForm, IntegralDisablesTheCoverageAndOpeningShowsStoredValues) {
    SystemOptions o;
    o.developmentLevel = 3;
    o.coverage = 0; // a stored coverage of 0 shows as 100
    const SetupForm f = SetupForm::fromState(o, {});
    EXPECT_EQ(f.levelIndex, 2);
    EXPECT_EQ(f.coverage, 100.0);
    EXPECT_TRUE(f.coverageEnabled());
    SetupForm integral;
    EXPECT_FALSE(integral.coverageEnabled());
    EXPECT_EQ(guaranteeDrawn(1), 4);
    EXPECT_EQ(guaranteeDrawn(8), 3);
    EXPECT_EQ(guaranteeDrawn(9), 2);
}

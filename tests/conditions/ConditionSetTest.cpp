#include "conditions/ConditionSet.h"

#include <gtest/gtest.h>

#include <set>

using namespace varnelo;

TEST(ConditionSet, RecoveryLevelList) {
    EXPECT_EQ(recoveryLevelName(0), "----");
    EXPECT_EQ(recoveryLevelName(1), "A");
    EXPECT_EQ(recoveryLevelName(10), "L"); // no J, no K
    EXPECT_EQ(recoveryLevelName(20), "V");
    EXPECT_EQ(recoveryLevelName(21), "AA");
    EXPECT_EQ(recoveryLevelName(40), "VV");
    EXPECT_EQ(recoveryLevelFromName("MM"), 31);
    EXPECT_EQ(recoveryLevelFromName("J"), -1);
}

TEST(ConditionSet, CellsAreSizedByTheSlotRange) {
    ConditionSet set;
    set.setCell(111, 235, {CellStatus::Admitted, 0});
    EXPECT_EQ(set.cell(111, 235).status, CellStatus::Admitted);
    set.setCell(1, 6, {CellStatus::Admitted, 0}); // Pari has values 0..5 only
    EXPECT_EQ(set.cell(1, 6).status, CellStatus::NotAdmitted);
    EXPECT_FALSE(set.hasAdmittedCell(1));
    set.setCell(0, 1, {CellStatus::Admitted, 0});
    set.setCell(201, 1, {CellStatus::Admitted, 0});
    EXPECT_EQ(set.cell(201, 1).status, CellStatus::NotAdmitted);
    set.setCell(2, 1, {CellStatus::Recovery, 41}); // no such level
    EXPECT_EQ(set.cell(2, 1).status, CellStatus::NotAdmitted);
}

TEST(ConditionSet, RedCellWithoutLevelCountsAsBlue) {
    ConditionSet set;
    set.setCell(111, 100, {CellStatus::Recovery, 0});
    set.setCell(111, 101, {CellStatus::Recovery, 3});
    EXPECT_TRUE(set.hasRedWithoutLevel(111));
    EXPECT_EQ(set.effectiveStatus(111, 100), CellStatus::Admitted);
    EXPECT_EQ(set.effectiveStatus(111, 101), CellStatus::Recovery);
    EXPECT_EQ(set.effectiveStatus(111, 102), CellStatus::NotAdmitted);
}

TEST(ConditionSet, ResetAndStrayLevels) {
    ConditionSet set;
    set.setActive(115, true);
    set.setCell(115, 10, {CellStatus::Admitted, 7});
    set.setCell(115, 11, {CellStatus::Recovery, 7});
    set.dropStrayLevels(115);
    EXPECT_EQ(set.cell(115, 10).level, 0);
    EXPECT_EQ(set.cell(115, 11).level, 7);
    set.resetSlot(115);
    EXPECT_FALSE(set.isActive(115));
    EXPECT_FALSE(set.hasAdmittedCell(115));
}

TEST(ConditionSet, MenuCheckNeedsAnActiveSlotWithAnAdmittedCell) {
    ConditionSet set;
    const int somma = 28;
    ASSERT_EQ(families()[somma].name, "Somma");
    set.setActive(111, true);
    EXPECT_FALSE(familyInPlay(set, somma)); // active but nothing admitted
    set.setCell(111, 120, {CellStatus::Admitted, 0});
    EXPECT_TRUE(familyInPlay(set, somma));
    set.setActive(111, false);
    EXPECT_FALSE(familyInPlay(set, somma)); // admitted cells but switched off
}

TEST(ConditionSet, FamiliesOwnDistinctSlots) {
    ASSERT_EQ(families().size(), 41u);
    EXPECT_EQ(families().front().name, "Baricentro");
    EXPECT_EQ(families().back().name, "Livelli");
    std::set<int> seen;
    for (const auto& f : families())
        for (int s : f.activationSlots) {
            EXPECT_TRUE(seen.insert(s).second) << "slot " << s << " in due famiglie";
            EXPECT_EQ(families()[familyOfSlot(s)].name, f.name);
        }
    // Every metric of the main catalogue is reachable through a family.
    for (int s : {1, 22, 34, 41, 45, 50, 62, 64})
        EXPECT_GE(familyOfSlot(s), 0) << s;
}

TEST(ConditionSet, SlotNames) {
    EXPECT_EQ(slotDisplayName(8), "Consecutivi 2  P.n ");
    EXPECT_EQ(slotDisplayName(23), " 1 ) Sequele Pari Dispari");
    EXPECT_EQ(slotDisplayName(33), " 11) Sequele Pari Dispari");
    EXPECT_EQ(slotDisplayName(114), "Somma Ritardi");
    EXPECT_EQ(slotDisplayName(154), "Dist. Tra Numeri 4 5");
    EXPECT_EQ(slotDisplayName(65), "");
    EXPECT_EQ(quadroSlotDisplayName(8), "Consecutivi 2  P.n");
    EXPECT_EQ(quadroSlotDisplayName(17), "Interruzioni Dispari");
    EXPECT_EQ(slotDisplayName(17), "Interruz. Dispari");
    EXPECT_EQ(quadroSlotDisplayName(111), "Somma Totale");
}

TEST(ConditionSet, ModifiedFamilies) {
    ModifiedFamilies m;
    m.markSlot(116);
    m.markSlot(117);
    m.markSlot(1);
    const auto names = m.names();
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0], "Distanza");
    EXPECT_EQ(names[1], "Pari");
    m.clear();
    EXPECT_TRUE(m.names().empty());
}

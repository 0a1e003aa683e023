#include "conditions/DigitConditions.h"
#include "FamilyTestSupport.h"
#include "conditions/FamilySlotMetric.h"
#include "conditions/FamilyVerdict.h"
#include "conditions/SlotEditor.h"

#include <gtest/gtest.h>

using namespace varnelo;
using varnelo::test::col;

TEST(DigitConditions, CountsWithoutLeadingZeros) {
    struct Case {
        Column c;
        DigitCounts d;
        int different;
    };
    const Case cases[] = {
        {col(1, 10, 11, 20, 21), {2, 5, 2, 0, 0, 0, 0, 0, 0, 0}, 3},
        {col(1, 2, 3, 4, 5), {0, 1, 1, 1, 1, 1, 0, 0, 0, 0}, 5},
        {col(10, 19, 25, 36, 47), {1, 2, 1, 1, 1, 1, 1, 1, 0, 1}, 9},
        {col(1, 2, 11, 12, 21), {0, 5, 3, 0, 0, 0, 0, 0, 0, 0}, 2},
        {col(7, 30, 33, 37, 44), {1, 0, 0, 4, 2, 0, 0, 2, 0, 0}, 4},
    };
    for (const auto& k : cases) {
        EXPECT_EQ(digitCounts(k.c), k.d);
        EXPECT_EQ(differentDigits(k.c), k.different);
    }
}

TEST(DigitConditions, PositionEntriesReadTensThenUnits) {
    const Column c = col(1, 2, 3, 4, 5);
    for (int p = 0; p < 5; ++p) {
        EXPECT_EQ(positionDigit(c, 2 * p), 0);
        EXPECT_EQ(positionDigit(c, 2 * p + 1), p + 1);
    }
    const Column d = col(9, 18, 27, 36, 49);
    EXPECT_EQ(positionDigit(d, 8), 4);
    EXPECT_EQ(positionDigit(d, 9), 9);
    EXPECT_EQ(positionDigit(d, 3), 8);
    EXPECT_EQ(positionEntryName(0), "1°  Numero - Decina");
    EXPECT_EQ(positionEntryName(9), "5°  Numero - Unita");
}

TEST(DigitConditions, SlotsServeTheirMetrics) {
    const Column c = col(1, 10, 11, 20, 21);
    const SequelePatterns none;
    EXPECT_EQ(familySlotValue(kDigitPresenceSlot + 1, c, {}, none), 5);
    EXPECT_EQ(familySlotValue(kDigitPresenceSlot + 0, c, {}, none), 2);
    EXPECT_EQ(familySlotValue(kDigitCountSlot, c, {}, none), 3);
    EXPECT_EQ(familySlotValue(kDigitPositionSlot + 3, c, {}, none), 0); // units of 10
    EXPECT_EQ(familySlotValue(kDigitPositionSlot + 6, c, {}, none), 2); // tens of 20
    EXPECT_FALSE(isFamilySlot(1));
    EXPECT_EQ(familySlotValue(1, c, {}, none), -1);
}

TEST(DigitConditions, RedCellWithoutLevelPassesLikeBlue) {
    ConditionSet set;
    const int slot = kDigitPresenceSlot + 1;
    set.setCell(slot, 5, {CellStatus::Recovery, 0});
    set.setCell(slot, 4, {CellStatus::Recovery, 3});
    set.setCell(slot, 3, {CellStatus::Admitted, 0});
    LevelCounters counters{};
    EXPECT_TRUE(judgeCell(set, slot, 5, counters));
    EXPECT_EQ(counters, LevelCounters{});
    EXPECT_TRUE(judgeCell(set, slot, 4, counters));
    EXPECT_EQ(counters[3], 1);
    EXPECT_TRUE(judgeCell(set, slot, 3, counters));
    EXPECT_FALSE(judgeCell(set, slot, 2, counters));
    EXPECT_FALSE(judgeCell(set, slot, 99, counters));
}

TEST(DigitConditions, EditorOkAndCancel) {
    ConditionSet set;
    set.setCell(kDigitCountSlot, 4, {CellStatus::Admitted, 0});
    set.setActive(kDigitCountSlot, true);
    set.setCell(1, 2, {CellStatus::Admitted, 0}); // another window's row
    std::vector<int> slots;
    for (int d = 0; d < 10; ++d)
        slots.push_back(kDigitPresenceSlot + d);
    slots.push_back(kDigitCountSlot);
    SlotEditor editor(set, slots);

    // A box ticked over an all-white row does not switch the slot on.
    editor.setBox(kDigitPresenceSlot + 7, true);
    editor.setCell(kDigitPresenceSlot + 2, 1, {CellStatus::Recovery, 0});
    editor.setBox(kDigitPresenceSlot + 2, true);
    editor.setCell(1, 3, {CellStatus::Admitted, 0}); // not the window's slot: ignored
    EXPECT_EQ(set.cell(1, 3).status, CellStatus::NotAdmitted);
    const auto place = editor.redWithoutLevel();
    ASSERT_TRUE(place);
    EXPECT_EQ(place->slot, kDigitPresenceSlot + 2);
    EXPECT_EQ(place->value, 1);
    EXPECT_EQ(recoveryWithoutLevelNotice().title, "Recupero Senza Livello:");
    EXPECT_EQ(recoveryWithoutLevelNotice().lines.size(), 4u);
    EXPECT_EQ(recoveryWithoutLevelNotice().kind, kNoticeYesNo); // a question: Sì or No

    // Another window changes its own row meanwhile; Annulla must not undo it.
    set.setCell(1, 4, {CellStatus::Admitted, 0});
    editor.cancel();
    EXPECT_EQ(set.cell(kDigitPresenceSlot + 2, 1).status, CellStatus::NotAdmitted);
    EXPECT_EQ(set.cell(1, 4).status, CellStatus::Admitted);
    EXPECT_TRUE(set.isActive(kDigitCountSlot));

    editor.setCell(kDigitPresenceSlot + 2, 1, {CellStatus::Admitted, 5}); // stray level
    editor.setBox(kDigitPresenceSlot + 2, true);
    editor.setBox(kDigitPresenceSlot + 7, true);
    editor.reset(kDigitCountSlot);
    EXPECT_TRUE(editor.commit());
    EXPECT_TRUE(set.isActive(kDigitPresenceSlot + 2));
    EXPECT_FALSE(set.isActive(kDigitPresenceSlot + 7));
    EXPECT_FALSE(set.isActive(kDigitCountSlot));
    EXPECT_EQ(set.cell(kDigitPresenceSlot + 2, 1).level, 0);
    EXPECT_FALSE(editor.commit());
}

#include "system/SystemFile.h"
#include "core/TextFile.h"
#include "support/TestFolder.h"

using namespace varnelo;
using namespace varnelo::test;

namespace {

SystemSettings everyValueSet() {
    SystemSettings s;
    s.options.developmentLevel = 3;
    s.options.kindCode = 23;
    s.options.guaranteeKind = 7;
    s.options.coverage = 87.5;
    s.options.headerOption2 = -4;
    s.options.headerOption4 = 9;
    s.options.headerOption11 = 1;
    s.options.optionFlag = 255;
    s.options.description = "Sistema di prova à";
    s.selection.setState(1, Selection::Fixed);
    s.selection.setState(2, Selection::Fixed);
    s.selection.setState(10, Selection::Chosen);
    s.selection.setState(49, Selection::Chosen);
    s.selection.setNumerone(1, true);
    s.selection.setNumerone(10, true);
    s.counts = {100, 90, 90, 90};
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        s.conditions.setActive(slot, slot % 3 == 0);
        const ValueRange r = slotValueRange(slot);
        s.conditions.setCell(slot, r.min, {CellStatus::Admitted, 0});
        s.conditions.setCell(slot, r.max,
                             {CellStatus::Recovery, static_cast<std::uint8_t>(slot % 41)});
    }
    s.otherSections.push_back({"futura", {"1 2 3", "abc"}});
    return s;
}

void expectSame(const SystemSettings& a, const SystemSettings& b) {
    EXPECT_EQ(a.options, b.options);
    EXPECT_EQ(a.selection, b.selection);
    EXPECT_EQ(a.conditions, b.conditions);
    EXPECT_EQ(a.counts, b.counts);
    EXPECT_EQ(a.otherSections, b.otherSections);
}

} // namespace

TEST(SystemFile, EveryValueReadsBackEqual) {
    const SystemSettings s = everyValueSet();
    const std::string text = formatSystemSettings(s, true);
    SystemSettings back;
    ASSERT_EQ(parseSystemSettings(text, back), SettingsFileState::Read);
    expectSame(s, back);
    EXPECT_FALSE(back.columnsOnly);
    // The same file with LF ends and read again gives the same settings.
    std::string lf;
    for (char c : text)
        if (c != '\r')
            lf += c;
    SystemSettings again;
    ASSERT_EQ(parseSystemSettings(lf, again), SettingsFileState::Read);
    expectSame(s, again);
}

TEST(SystemFile, LinesOneToSevenAsTheOpenWindowReadsThem) {
    SystemSettings s = everyValueSet();
    // The views point into the text, which must outlive them.
    const std::string text = formatSystemSettings(s, false);
    const auto lines = splitLines(text);
    EXPECT_EQ(lines[0], " 23 -4  3  9  0  90  0  0  0  7  1  0  0  0  0  0  0  0  0  0 ");
    EXPECT_EQ(lines[1].substr(0, 12), " 2  2  0  0 ");
    EXPECT_EQ(lines[2], " 1  0  0  0  0  0  0  0  0  1 ");
    EXPECT_EQ(lines[3], "Sistema di prova à");
    EXPECT_EQ(lines[4], " 255 ");
    EXPECT_EQ(lines[5], " 0  0  0  1  0  0 "); // slots 0..5: slot 3 active
    EXPECT_EQ(lines[105], "87.5");
    EXPECT_EQ(lines[106], "[condizioni]");
    for (const double coverage : {0.5, 100.5}) {
        s.options.coverage = coverage;
        const std::string capped = formatSystemSettings(s, true);
        EXPECT_EQ(splitLines(capped)[105], "100") << coverage;
    }
}

TEST(SystemFile, AFileEndingAfterLineFourIsAColumnsOnlySystem) {
    const std::string text = " 0  0  0  0  0  3  0  3  3  0  0  0  0  0  0  0  0  0  0  0 \r\n" +
                             listForm(std::vector<long long>(50, 1)) + "\r\n" +
                             " 0  0  0  0  0  0  0  0  0  0 \r\nSistema Colonnare\r\n";
    SystemSettings s = everyValueSet();
    ASSERT_EQ(parseSystemSettings(text, s), SettingsFileState::Read);
    EXPECT_TRUE(s.columnsOnly);
    EXPECT_EQ(s.conditions, ConditionSet{});
    EXPECT_EQ(s.counts, (SystemCounts{0, 3, 3, 3}));
    EXPECT_EQ(s.options.description, "Sistema Colonnare");
}

TEST(SystemFile, PreviousVersionReadsLinesOneToFourOnly) {
    const std::string text = formatSystemSettings(everyValueSet(), true);
    const std::string old = text.substr(0, text.find("[condizioni]")) + "qualsiasi cosa\r\n";
    SystemSettings s;
    ASSERT_EQ(parseSystemSettings(old, s, SettingsLayout::PreviousVersion),
              SettingsFileState::Read);
    EXPECT_EQ(s.selection, everyValueSet().selection);
    EXPECT_EQ(s.counts, everyValueSet().counts);
    EXPECT_EQ(s.conditions, ConditionSet{});
    EXPECT_TRUE(s.columnsOnly);
}

TEST(SystemFile, MissingSectionsKeepDefaultsAndUnknownOnesAreKept) {
    SystemSettings s = everyValueSet();
    std::string text = formatSystemSettings(s, true);
    text = text.substr(0, text.find("[condizioni]")) + "[nuova]\r\n7 7\r\n";
    SystemSettings back;
    ASSERT_EQ(parseSystemSettings(text, back), SettingsFileState::Read);
    for (int slot = 1; slot <= kSlotCount; ++slot)
        EXPECT_FALSE(back.conditions.hasAdmittedCell(slot));
    EXPECT_TRUE(back.conditions.isActive(3));
    ASSERT_EQ(back.otherSections.size(), 1u);
    EXPECT_EQ(back.otherSections[0], (SystemSectionLines{"nuova", {"7 7"}}));
}

TEST(SystemFile, DamagedFilesAreRefusedAndLeaveTheTargetUnchanged) {
    const std::string good = formatSystemSettings(everyValueSet(), true);
    const auto lines = splitLines(good);
    auto upTo = [&](std::size_t n) {
        std::string out;
        for (std::size_t i = 0; i < n; ++i)
            out += std::string(lines[i]) + "\r\n";
        return out;
    };
    auto replaced = [&](std::size_t i, std::string with) {
        std::string out;
        for (std::size_t k = 0; k < lines.size(); ++k)
            out += (k == i ? with : std::string(lines[k])) + "\r\n";
        return out;
    };
    std::string binary;
    for (int i = 0; i < 3000; ++i)
        binary += static_cast<char>((i * 131) & 0xFF);
    const std::string bad[] = {
        upTo(3),                  // ends in the selection
        upTo(50),                 // ends in the activation table
        upTo(105),                // no coverage line
        replaced(0, " 1  2  3 "), // short header
        replaced(0, " x  0  0  0  0  0  0  0  0  0  0  0  0  0  0  0  0  0  0  0 "),
        replaced(0, " 0  0  0  0 -5  0  0  0  0  0  0  0  0  0  0  0  0  0  0  0 "),
        replaced(1, listForm({2, 2, 2, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                              0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                              0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})), // five fixed
        replaced(1, " 3 "),         // a state that is not 0, 1, 2
        replaced(2, " 1  1 "),      // short Numeroni
        replaced(105, "cento"),     // coverage
        replaced(107, "500 1 1 1"), // condition slot out of range
        replaced(107, "1 9 1 0"),   // value past the slot's range
        replaced(107, "1 0 3 0"),   // status 3
        replaced(107, "1 0 2 41"),  // level 41
        binary,
    };
    for (const auto& text : bad) {
        SystemSettings target = everyValueSet();
        EXPECT_EQ(parseSystemSettings(text, target), SettingsFileState::Damaged);
        expectSame(target, everyValueSet());
    }
    SystemSettings target;
    EXPECT_EQ(parseSystemSettings("", target), SettingsFileState::Empty);
    EXPECT_EQ(parseSystemSettings("\r\n  \r\n", target), SettingsFileState::Empty);
}

TEST(SystemFile, ListForm) {
    EXPECT_EQ(listForm({0, 5, -3, 12}), " 0  5 -3  12 ");
    std::vector<long long> v;
    ASSERT_TRUE(readList(" 0  5 -3  12 ", v));
    EXPECT_EQ(v, (std::vector<long long>{0, 5, -3, 12}));
    EXPECT_FALSE(readList(" 1 z ", v));
}

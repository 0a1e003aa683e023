#include "conditions/ConditionFamilies.h"
#include "support/TestFolder.h"
#include "system/ProgramState.h"
#include "system/SystemFile.h"
#include "system/SystemStorage.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace varnelo;

namespace {

// A condition set with every family, link, quadro and level set to values
// other than their defaults, blanks and negative numbers included.
SystemSettings everything() {
    SystemSettings s;
    s.options.description = "tutte le famiglie";
    s.selection.setState(4, Selection::Chosen);
    for (int slot : {1, 24, 79, 88, 100, 110, 125, 128, 131, 141})
        s.conditions.setActive(slot, true);
    s.conditions.setCell(131, 2, {CellStatus::Recovery, 21});
    s.conditions.setCell(141, 210, {CellStatus::Admitted, 0});
    for (int slot : {kSumQuadroSlot, kRitardiVariSlot, kAmboSlot})
        s.conditions.setActive(slot, true);

    s.links.table.setMembership(1, 131, 1);
    s.links.table.setMembership(1, kSumQuadroSlot, 3);
    s.links.table.setMembership(2, 88, 1);
    s.links.table.range(1) = {-1, 4};
    s.links.table.range(2) = {0, 2};
    s.links.overallExcess = {0, 2000};
    s.links.wrongLinks = {1, 2};
    s.links.recompute();
    s.quadri.table.setMembership(1, 110, 1);
    s.quadri.table.range(1) = {5, 70};
    s.quadri.wrongQuadri = {0, 1};
    s.quadri.recompute();
    s.levels.setMax(1, 3);
    s.levels.setMin(1, 1);
    s.levels.setMax(40, 0);
    s.levels.setInGroup(1, 7, true);
    s.levels.setInGroup(21, 7, true);
    s.levels.setGroupMax(7, 2);
    s.levels.setGroupMin(9, -5);

    ConditionFamilies& f = s.families;
    f.picchetti.setValue(1, 1, -250);
    f.picchetti.setValue(10, 50, 999999);
    SumRow row;
    row.kind = 10;
    row.setNumber(1, true);
    row.setNumber(50, true);
    row.slots[0] = {{100, 15000}, {-3, 7}, 40};
    row.slots[4] = {{0, 1}, {0, 0}, 0};
    f.sums.rows = {row, SumRow{}};
    f.sequele.setMark(1, 1, ParityMark::Even);
    f.sequele.setMark(11, 5, ParityMark::Odd);
    f.ritardiVari.rows[5].admitted[2] = {12345, 999990000};
    f.ritardiVari.rows[5].recovery = {1, 2};
    f.ritardiVari.rows[5].level = 3;
    f.ambo.rows[10].admitted[0] = {0, 9999};
    f.andOr.orRequirement.set(0);
    f.andOr.orRequirement.set(20);
    f.andOr.quadri[0] = {
        {{std::uint64_t{1} << 49 | 2, 0b100001}}, {0, 3}, {-2, 9}, true, true, "  primo  quadro "};
    f.andOr.quadri[19].columns = {{0, 1}};
    f.filterList.active = true;
    f.filterList.columns = {{{3, 50, 99, 12}, 0b110, 0b1}, {{}, 0, 0}, {{7}, 1, 0}};
    f.activeFilters = {{std::uint64_t{1} << 3 | std::uint64_t{1} << 12, 1, 2, 1}};
    f.comparisonDraws = 11;
    return s;
}

void expectSame(const SystemSettings& a, const SystemSettings& b) {
    EXPECT_EQ(a.conditions, b.conditions);
    EXPECT_EQ(a.links, b.links);
    EXPECT_EQ(a.quadri, b.quadri);
    EXPECT_EQ(a.levels, b.levels);
    EXPECT_EQ(a.families.picchetti, b.families.picchetti);
    EXPECT_EQ(a.families.sums, b.families.sums);
    EXPECT_EQ(a.families.sequele, b.families.sequele);
    EXPECT_EQ(a.families.ritardiVari, b.families.ritardiVari);
    EXPECT_EQ(a.families.ambo, b.families.ambo);
    EXPECT_EQ(a.families.andOr, b.families.andOr);
    EXPECT_EQ(a.families.filterList, b.families.filterList);
    EXPECT_EQ(a.families.activeFilters, b.families.activeFilters);
    EXPECT_EQ(a.families, b.families);
}

} // namespace

TEST(ConditionSections, EveryValueReadsBackEqual) {
    const SystemSettings s = everything();
    const std::string text = formatSystemSettings(s, false);
    for (const char* name :
         {"[link]", "[quadri]", "[livelli]", "[picchetti]", "[somme]", "[sequele]", "[ritardivari]",
          "[ambo]", "[andor]", "[colonnefiltro]", "[confronto]"})
        EXPECT_NE(text.find(name), std::string::npos) << name;
    SystemSettings back;
    ASSERT_EQ(parseSystemSettings(text, back), SettingsFileState::Read);
    expectSame(s, back);
    // Written again, the file is the same.
    EXPECT_EQ(formatSystemSettings(back, false), text);
}

TEST(ConditionSections, DefaultsAndColumnsOnlySystems) {
    const SystemSettings fresh;
    SystemSettings back = everything();
    ASSERT_EQ(parseSystemSettings(formatSystemSettings(fresh, false), back),
              SettingsFileState::Read);
    expectSame(fresh, back);

    // A file that ends after line 4 reads as "no conditions".
    const std::string full = formatSystemSettings(everything(), false);
    std::size_t at = 0;
    for (int k = 0; k < 4; ++k)
        at = full.find('\n', at) + 1;
    SystemSettings columnsOnly;
    ASSERT_EQ(parseSystemSettings(full.substr(0, at), columnsOnly), SettingsFileState::Read);
    EXPECT_TRUE(columnsOnly.columnsOnly);
    expectSame(fresh, columnsOnly);
}

TEST(ConditionSections, DamagedRecordsRefuseTheFile) {
    const std::string text = formatSystemSettings(everything(), false);
    const std::pair<std::string, std::string> damage[] = {
        {"[confronto]\r\n 11 ", "[confronto]\r\n 12 "}, {"[sequele]\r\n 1 ", "[sequele]\r\n 3 "},
        {"[ambo]\r\n", "[ambo]\r\n 1 2 \r\n"},          {"\"  primo  quadro \"", "primo quadro"},
        {"[picchetti]\r\n", "[picchetti]\r\n x\r\n"},
    };
    for (const auto& [from, to] : damage) {
        std::string bad = text;
        const std::size_t at = bad.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        bad.replace(at, from.size(), to);
        SystemSettings out;
        out.options.description = "intatto";
        EXPECT_EQ(parseSystemSettings(bad, out), SettingsFileState::Damaged) << to;
        EXPECT_EQ(out.options.description, "intatto");
    }
}

TEST(ConditionSections, SavedSystemReopensWithEveryFamily) {
    const test::TestFolder folder{"qor"};
    const auto& dir = folder.root;
    {
        ProgramState saved{ProgramFolder(dir)};
        const SystemSettings s = everything();
        saved.systemName = "famiglie";
        saved.conditions = s.conditions;
        saved.links = s.links;
        saved.quadri = s.quadri;
        saved.levels = s.levels;
        saved.families = s.families;
        Progress progress;
        ASSERT_TRUE(saveSystem(saved, progress).done());

        ProgramState opened{ProgramFolder(dir)};
        ASSERT_TRUE(openSystem(opened, "famiglie", progress).done());
        EXPECT_EQ(opened.conditions, saved.conditions);
        EXPECT_EQ(opened.links, saved.links);
        EXPECT_EQ(opened.quadri, saved.quadri);
        EXPECT_EQ(opened.levels, saved.levels);
        EXPECT_EQ(opened.families, saved.families);

        // A new system drops the families but keeps the program's picchetti.
        newSystem(opened);
        EXPECT_EQ(opened.families.picchetti, saved.families.picchetti);
        EXPECT_EQ(opened.families.sums, SumQuadro{});
        EXPECT_EQ(opened.links, Links{});
    }
}

TEST(ConditionFamilies, MenuCheckOfFamiliesWithTablesOfTheirOwn) {
    auto index = [](std::string_view name) {
        for (int f = 0; f < kFamilyCount; ++f)
            if (families()[static_cast<std::size_t>(f)].name == name)
                return f;
        return -1;
    };
    ConditionSet set;
    ConditionFamilies f;
    const int sums = index("Somme + Picchetto");
    const int andOr = index("Quadri And Or");
    const int ambo = index("Ritardo Ambi");
    set.setActive(kSumQuadroSlot, true);
    EXPECT_FALSE(familyInPlay(set, f, sums)) << "no row";
    f.sums.rows.resize(1);
    EXPECT_TRUE(familyInPlay(set, f, sums));
    EXPECT_FALSE(familyInPlay(set, f, andOr));
    f.andOr.quadri[4].active = true;
    EXPECT_TRUE(familyInPlay(set, f, andOr));
    set.setActive(kAmboSlot, true);
    EXPECT_FALSE(familyInPlay(set, f, ambo));
    f.ambo.rows[3].admitted[0] = {0, 10};
    EXPECT_TRUE(familyInPlay(set, f, ambo));
    // The others follow the condition set.
    set.setActive(125, true);
    EXPECT_FALSE(familyInPlay(set, f, index("Baricentro")));
    set.setCell(125, 20, {CellStatus::Admitted, 0});
    EXPECT_TRUE(familyInPlay(set, f, index("Baricentro")));
}

#include "checking/ConditionAnalysis.h"
#include "conditions/DelayConditions.h"
#include "support/Columns.h"

#include <gtest/gtest.h>

using namespace varnelo;
using namespace varnelo::test;

namespace {

struct Conditions {
    ConditionSet set;
    ConditionFamilies families;
    Links links;
    LevelLimits levels;
    DelayTables delays;
    Quadri quadri;

    AnalysisInputs inputs() const { return {set, families, links, levels, delays, {}, &quadri}; }
    std::vector<AnalysisRow> analyse(const Column& c) const { return analyseColumn(c, inputs()); }
};

// A copy: the rows are often a temporary of the call.
AnalysisRow rowNamed(const std::vector<AnalysisRow>& rows, const std::string& name) {
    for (const AnalysisRow& r : rows)
        if (r.name == name)
            return r;
    return {"", "(manca)", ""};
}

} // namespace

TEST(ConditionAnalysis, ACombinationIsAColumnOnlyWithFiveNumbers) {
    Combination c;
    for (int n : {40, 3, 17, 8, 22})
        c.numbers[static_cast<std::size_t>(n)] = true;
    EXPECT_EQ(combinationColumn(c), col(3, 8, 17, 22, 40));
    c.numbers[41] = true;
    EXPECT_FALSE(combinationColumn(c)); // six marks
    c.numbers[41] = false;
    c.numbers[40] = false;
    c.numbers[50] = true;
    EXPECT_FALSE(combinationColumn(c)); // 50 is on the board, in no column
}

// "Somma Totale" of 1 2 3 4 5 is 15: each state of its cell gives its verdict.
TEST(ConditionAnalysis, ValueRowsGiveTheValueAndTheCellsVerdict) {
    const struct {
        bool active;
        CellStatus status;
        int level;
        const char* verdict;
    } cases[] = {
        {false, CellStatus::Admitted, 0, "-"},
        {true, CellStatus::Admitted, 0, "Ammesso"},
        {true, CellStatus::Recovery, 3, "Recupero C"},
        {true, CellStatus::Recovery, 0, "Ammesso"}, // red without a level counts as blue
        {true, CellStatus::NotAdmitted, 0, "NON AMMESSO"},
    };
    for (const auto& c : cases) {
        Conditions k;
        k.set.setActive(111, c.active);
        k.set.setCell(111, 15, {c.status, static_cast<std::uint8_t>(c.level)});
        const AnalysisRow row = rowNamed(k.analyse(col(1, 2, 3, 4, 5)), "Somma Totale");
        EXPECT_EQ(row.family, "Somma");
        EXPECT_EQ(row.value, "15");
        EXPECT_EQ(verdictText(row), c.verdict) << c.verdict;
    }
}

TEST(ConditionAnalysis, CoversEveryFamilyNotOnlyTheCatalogue) {
    Conditions k;
    const std::vector<AnalysisRow> rows = k.analyse(col(2, 11, 23, 34, 47));
    std::vector<std::string> seen;
    for (const AnalysisRow& r : rows)
        if (seen.empty() || seen.back() != r.family)
            seen.push_back(r.family);
    // Value rows of the catalogue and of the families, and the tables of
    // "Ritardo Ambi" and "Ritardi Vari", in the order of the conditions list.
    for (const char* family :
         {"Baricentro", "Casella", "Ritardo Ambi", "Pari dispari", "Presenza Cifra",
          "Posiz. Decina Unità", "Resto", "Sequele pari disp.", "Ritardi Vari"})
        EXPECT_NE(std::find(seen.begin(), seen.end(), family), seen.end()) << family;
    EXPECT_EQ(seen.front(), "Baricentro");
    EXPECT_EQ(rowNamed(rows, "Numero di Cifre").value, "5");  // digits 1 2 3 4 7
    EXPECT_EQ(rowNamed(rows, "Resto Diviso 2").value, "1");   // sum 117
    EXPECT_EQ(rowNamed(rows, " 5° Casella").name, "(manca)"); // names come trimmed
    EXPECT_EQ(rowNamed(rows, "5° Casella").value, "47");
}

TEST(ConditionAnalysis, FamiliesWithTablesJudgeTheirRows) {
    Conditions k;
    // "Ritardi Vari" first row: 1..5 admitted; with no draws every delay is 0.
    k.set.setActive(kRitardiVariSlot, true);
    k.families.ritardiVari.rows[0].admitted[0] = {10000, 50000};
    // A sum quadro row of the numbers 1..10 admitting 5..6 or, on recovery, 15.
    k.set.setActive(kSumQuadroSlot, true);
    SumRow sums;
    for (int n = 1; n <= 10; ++n)
        sums.setNumber(n, true);
    sums.slots[0].admitted = {500, 600};
    sums.slots[1].recovery = {1500, 1500};
    sums.slots[1].level = 2;
    k.families.sums.rows.push_back(sums);
    // One filter column: at most two of 1 2 3.
    k.families.filterList.active = true;
    k.families.activeFilters.push_back({(1ull << 1) | (1ull << 2) | (1ull << 3), 0, 2, 0});

    const std::vector<AnalysisRow> rows = k.analyse(col(1, 2, 3, 4, 5));
    const AnalysisRow delay = rowNamed(rows, std::string(ritardiVariRowName(0)));
    EXPECT_EQ(delay.family, "Ritardi Vari");
    EXPECT_EQ(delay.value, "0,00");
    EXPECT_EQ(verdictText(delay), "NON AMMESSO");
    EXPECT_EQ(verdictText(rowNamed(rows, std::string(ritardiVariRowName(1)))), "-"); // no interval
    const AnalysisRow sum = rowNamed(rows, "Riga 1 Somma");
    EXPECT_EQ(sum.value, "15,00");
    EXPECT_EQ(verdictText(sum), "Recupero B");
    const AnalysisRow filter = rowNamed(rows, "Colonne filtro che ammettono");
    EXPECT_EQ(filter.value, "0/1");
    EXPECT_EQ(verdictText(filter), "NON AMMESSO");
    // The sum row's recovery charges level B, which the levels then count.
    const AnalysisRow level = rowNamed(rows, "Livello B");
    EXPECT_EQ(level.value, "1");
    EXPECT_EQ(verdictText(level), "Ammesso");
}

TEST(ConditionAnalysis, ALinkCountsTheFailuresOfItsConditions) {
    Conditions k;
    for (int slot : {111, 112}) {
        k.set.setActive(slot, true);
        k.links.table.setMembership(1, slot, 1);
    }
    k.links.table.setInUse(1, true);
    k.links.table.range(1) = {1, 1};
    k.set.setCell(112, 6, {CellStatus::Admitted, 0}); // 2 + 4 passes, sum 15 fails
    const AnalysisRow link =
        rowNamed(k.analyse(col(1, 2, 3, 4, 5)), "Link 1 errori (ammessi 1..1)");
    EXPECT_EQ(link.value, "1");
    EXPECT_EQ(verdictText(link), "Ammesso");
    k.set.setCell(112, 6, {CellStatus::NotAdmitted, 0});
    EXPECT_EQ(verdictText(rowNamed(k.analyse(col(1, 2, 3, 4, 5)), "Link 1 errori (ammessi 1..1)")),
              "NON AMMESSO");
}

// "Somma Totale" of 1 2 3 4 5 (15) fails; in a link the failure only counts
// against the link, and the column goes when the overall limits say so.
TEST(ConditionAnalysis, ALinkedFailureDropsTheColumnOnlyPastTheOverallLimits) {
    const struct {
        bool linked;
        RangePair excess, wrong;
        std::vector<std::string> rejecting;
    } cases[] = {
        {false, {}, {}, {"Somma: Somma Totale"}},
        {true,
         {0, 0},
         {0, 0},
         {"Link: Errori oltre le Link (ammessi 0..0)", "Link: Link sbagliati (ammessi 0..0)"}},
        {true, {0, 1}, {0, 0}, {"Link: Link sbagliati (ammessi 0..0)"}},
        {true, {0, 1}, {1, 1}, {}},
    };
    for (const auto& c : cases) {
        Conditions k;
        k.set.setActive(111, true);
        if (c.linked) {
            k.links.table.setMembership(1, 111, 1);
            k.links.table.setInUse(1, true);
        }
        k.links.overallExcess = c.excess;
        k.links.wrongLinks = c.wrong;
        const std::vector<AnalysisRow> rows = k.analyse(col(1, 2, 3, 4, 5));
        EXPECT_EQ(verdictText(rowNamed(rows, "Somma Totale")), "NON AMMESSO");
        EXPECT_EQ(rejectingConditions(rows), c.rejecting) << c.linked << c.excess.to << c.wrong.to;
    }
}

// Quadro 1 holds "Somma Totale" (15) and "Somma Pari" (2 + 4 = 6): a
// passing value row gives its value, a failing one nothing.
TEST(ConditionAnalysis, APointQuadroSumsThePassingValues) {
    const struct {
        CellStatus even;
        RangePair range;
        const char* score;
        const char* verdict;
        std::vector<std::string> rejecting;
    } cases[] = {
        {CellStatus::Admitted, {21, 21}, "21", "Ammesso", {}},
        {CellStatus::Admitted,
         {0, 20},
         "21",
         "NON AMMESSO",
         {"Punti tra Condizioni: Quadri sbagliati (ammessi 0..0)"}},
        {CellStatus::NotAdmitted, {15, 15}, "15", "Ammesso", {"Somma: Somma Pari"}},
    };
    for (const auto& c : cases) {
        Conditions k;
        for (int slot : {111, 112}) {
            k.set.setActive(slot, true);
            k.quadri.table.setMembership(1, slot, 1);
        }
        k.set.setCell(111, 15, {CellStatus::Admitted, 0});
        k.set.setCell(112, 6, {c.even, 0});
        k.quadri.table.setInUse(1, true);
        k.quadri.table.range(1) = c.range;
        const std::vector<AnalysisRow> rows = k.analyse(col(1, 2, 3, 4, 5));
        const std::string name = "Quadro 1 punti (ammessi " + std::to_string(c.range.from) + ".." +
                                 std::to_string(c.range.to) + ")";
        EXPECT_EQ(rowNamed(rows, name).value, c.score) << name;
        EXPECT_EQ(verdictText(rowNamed(rows, name)), c.verdict) << name;
        EXPECT_EQ(rejectingConditions(rows), c.rejecting) << name;
    }
}

TEST(ConditionAnalysis, DebugLinesAlignNameAndValue) {
    std::vector<AnalysisRow> rows = {
        {"Somma", "Somma Totale", "15", Verdict::NotAdmitted},
        {"Casella", "1° Casella", "1", Verdict::Admitted},
        {"Somma", "Somma Pari", "6", Verdict::Inactive},
    };
    const std::vector<std::string> all = debugLines(rows, false);
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0], "   \\   Somma Totale                        15      NON AMMESSO");
    // "°" is one character: the value stands in the same place.
    EXPECT_EQ(all[1], "   \\   1° Casella                          1       Ammesso");
    EXPECT_EQ(debugLines(rows, true), std::vector<std::string>{all[0]});
}

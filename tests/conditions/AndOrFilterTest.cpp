#include "conditions/AndOrFilter.h"
#include "FamilyTestSupport.h"

#include <gtest/gtest.h>

#include <bit>

using namespace varnelo;
using varnelo::test::col;
using varnelo::test::maskOf;

namespace {

std::uint8_t hitsOf(std::initializer_list<int> hits) {
    std::uint8_t b = 0;
    for (int h : hits)
        b |= static_cast<std::uint8_t>(1u << h);
    return b;
}

// The test as a user reads it, one filter column at a time.
int referenceMark(const AndOrSet& s, const Column& c) {
    int satisfied = 0;
    bool anyOr = false;
    for (const AndOrQuadro& q : s.quadri) {
        if (!q.active)
            continue;
        const QuadroScore sc = quadroScore(q, c);
        const bool ok = q.guessed.contains(sc.guessed) && q.points.contains(sc.points);
        if (!q.orLogic && !ok)
            return kDiscardMark;
        anyOr = anyOr || q.orLogic;
        satisfied += q.orLogic && ok;
    }
    return anyOr && !s.orRequirement.test(static_cast<std::size_t>(satisfied)) ? kDiscardMark : 0;
}

} // namespace

TEST(AndOrFilter, LongFilterColumnsStillGiveHitsUpToFive) {
    AndOrQuadro q;
    q.columns.push_back({maskOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), hitsOf({5})});
    q.guessed = {1, 1};
    q.points = {0, 100};
    q.active = true;
    AndOrSet s;
    s.quadri[0] = q;
    const AndOrTest t(s);
    EXPECT_EQ(t.mark(col(2, 4, 6, 8, 10)), 0);
    EXPECT_EQ(t.mark(col(2, 4, 6, 8, 11)), kDiscardMark);
}

TEST(AndOrFilter, AndQuadroWithZeroGuessedAdmitsOnlyColumnsWithNoAdmittedHit) {
    AndOrSet s;
    AndOrQuadro& q = s.quadri[3];
    q.active = true;
    q.columns = {{maskOf({1, 2, 3}), hitsOf({1, 2})}, {maskOf({40, 41}), hitsOf({2})}};
    q.guessed = {0, 0};
    q.points = {0, 0};
    const AndOrTest t(s);
    EXPECT_EQ(t.mark(col(4, 5, 6, 7, 8)), 0);
    EXPECT_EQ(t.mark(col(1, 2, 3, 7, 8)), 0) << "3 hits are not admitted";
    EXPECT_EQ(t.mark(col(1, 5, 6, 7, 8)), kDiscardMark);
    EXPECT_EQ(t.mark(col(4, 5, 6, 40, 41)), kDiscardMark);
}

TEST(AndOrFilter, OrRequirementAndInclusiveBounds) {
    AndOrSet s;
    for (int k = 0; k < 3; ++k) {
        AndOrQuadro& q = s.quadri[static_cast<std::size_t>(k)];
        q.active = true;
        q.orLogic = true;
        q.columns = {{maskOf({10 * k + 1, 10 * k + 2}), hitsOf({1, 2})}};
        q.guessed = {1, 1};
        q.points = {1, 2}; // both ends inclusive
    }
    s.orRequirement.set(2);
    const AndOrTest t(s);
    EXPECT_EQ(t.mark(col(1, 11, 30, 40, 45)), 0);
    EXPECT_EQ(t.mark(col(1, 2, 11, 12, 45)), 0);
    EXPECT_EQ(t.mark(col(1, 11, 21, 40, 45)), kDiscardMark) << "three satisfied, two required";
    EXPECT_EQ(t.mark(col(1, 30, 35, 40, 45)), kDiscardMark);

    // With no OR quadro active the requirement is not applied.
    for (auto& q : s.quadri)
        q.orLogic = false;
    s.quadri[0].active = false;
    s.quadri[1].active = false;
    s.quadri[2].active = false;
    s.quadri[5].active = true;
    s.quadri[5].columns = {{maskOf({7}), hitsOf({0, 1})}};
    s.quadri[5].guessed = {1, 1};
    s.quadri[5].points = {0, 1};
    s.orRequirement.reset();
    EXPECT_EQ(AndOrTest(s).mark(col(1, 2, 3, 4, 5)), 0);
}

TEST(AndOrFilter, MatchesTheReferenceAcrossWords) {
    std::mt19937 rng(42);
    AndOrSet s;
    for (int k = 0; k < 6; ++k) {
        AndOrQuadro& q = s.quadri[static_cast<std::size_t>(k * 3)];
        q.active = true;
        q.orLogic = k % 2 == 1;
        const int count = k == 0 ? 150 : 20 + k * 7; // quadro 1 spans three words
        for (int j = 0; j < count; ++j) {
            FilterColumn f;
            const int size = 3 + static_cast<int>(rng() % 10);
            for (int i = 0; i < size; ++i)
                f.numbers |= std::uint64_t{1} << (rng() % 49 + 1);
            f.hits = static_cast<std::uint8_t>(rng() % 64);
            q.columns.push_back(f);
        }
        q.guessed = {static_cast<std::int16_t>(count * 2 / 5),
                     static_cast<std::int16_t>(count * 3 / 5)};
        q.points = {0, static_cast<std::int16_t>(count * 2)};
    }
    s.orRequirement.set(1);
    s.orRequirement.set(3);
    const AndOrTest t(s);
    int kept = 0;
    for (const Column& c : varnelo::test::randomColumns(3000, 9)) {
        const int m = t.mark(c);
        ASSERT_EQ(m, referenceMark(s, c));
        kept += m == 0;
    }
    EXPECT_GT(kept, 0);
    EXPECT_LT(kept, 3000);
}

TEST(AndOrFilter, OkNoticesAndLimits) {
    AndOrSet s;
    s.quadri[1].active = true;
    auto n = checkAndOrSet(s);
    ASSERT_TRUE(n);
    EXPECT_EQ(n->lines, std::vector<std::string>{"non e inserito nessuna colonna filtro."});
    s.quadri[1].columns = {{maskOf({1}), hitsOf({1})}, {maskOf({2}), 0}};
    n = checkAndOrSet(s);
    ASSERT_TRUE(n);
    EXPECT_EQ(n->lines,
              (std::vector<std::string>{"Nella colonna N° 2", "non e inserito alcun valore."}));
    s.quadri[1].columns[1].hits = hitsOf({0});
    s.quadri[1].orLogic = true;
    n = checkAndOrSet(s);
    ASSERT_TRUE(n);
    EXPECT_EQ(n->title, "Quadri in OR Inseriti:");
    s.orRequirement.set(0);
    EXPECT_FALSE(checkAndOrSet(s));

    AndOrQuadro big;
    std::vector<FilterColumn> many(1200, FilterColumn{maskOf({1, 2}), 1});
    n = addQuadroColumns(big, many);
    ASSERT_TRUE(n);
    EXPECT_EQ(n->lines[0], "Troppe colonne  N°=1200");
    EXPECT_EQ(big.columns.size(), kMaxQuadroColumns);
    EXPECT_TRUE(checkQuadroToSave(AndOrQuadro{}));
}

TEST(AndOrFilter, FilesRoundTripAndRefuseDamage) {
    AndOrSet s;
    s.orRequirement.set(0);
    s.orRequirement.set(20);
    s.quadri[0] = {
        {{maskOf({1, 2, 3, 49}), hitsOf({0, 5})}}, {-2, 7}, {3, 300}, true, true, "primo quadro"};
    s.quadri[19].name = "ultimo";
    s.quadri[19].columns = {{maskOf({10}), hitsOf({1})}, {0, hitsOf({0})}};
    const std::string text = formatAndOrFile(s);
    AndOrSet back;
    std::string error;
    ASSERT_TRUE(parseAndOrFile(text, back, error)) << error;
    EXPECT_EQ(back, s);

    const CarFile car = quadroToCar(s.quadri[0]);
    CarFile carBack;
    ASSERT_TRUE(parseCarFile(formatCarFile(car), carBack, error));
    EXPECT_EQ(quadroFromCar(carBack), s.quadri[0]);

    AndOrSet keep = s;
    for (const std::string& bad : {text.substr(0, text.size() - 40), std::string("garbage"),
                                   std::string(), std::string("\x01\x02\x03")}) {
        EXPECT_FALSE(parseAndOrFile(bad, keep, error));
        EXPECT_EQ(keep, s);
    }
}

TEST(AndOrFilter, ImportAndRangeCommands) {
    AndOrQuadro q;
    q.columns.assign(998, FilterColumn{maskOf({1}), hitsOf({1})});
    const std::vector<Column> system = {col(1, 2, 3, 4, 5), col(6, 7, 8, 9, 10),
                                        col(11, 12, 13, 14, 15)};
    const auto n = importSystemColumns(q, system, 0, 2);
    ASSERT_TRUE(n);
    EXPECT_EQ(n->lines.back(), "Verranno Caricate le prime = 1000 Colonne");
    ASSERT_EQ(q.columns.size(), 1000u);
    EXPECT_EQ(q.columns[999].numbers, maskOf({6, 7, 8, 9, 10}));
    EXPECT_EQ(q.columns[999].hits, hitsOf({0, 1, 2}));

    EXPECT_FALSE(setQuadroHits(q, 999, 1000, 4, 5));
    EXPECT_EQ(q.columns[998].hits, hitsOf({4, 5}));
    EXPECT_EQ(q.columns[997].hits, hitsOf({1}));
    EXPECT_TRUE(setQuadroHits(q, 1, 2, 3, 1));
    const auto refused = replaceQuadroNumber(q, 999, 1000, 7, 10);
    ASSERT_TRUE(refused) << "10 is already in the last filter column";
    EXPECT_FALSE(replaceQuadroNumber(q, 999, 999, 2, 40));
    EXPECT_EQ(q.columns[998].numbers, maskOf({1, 3, 4, 5, 40}));
}

// Bounds that admit every count skip the quadro; bounds one short of that
// must not. Columns come in lexicographic runs (the development's order,
// sharing their first four numbers) and at random.
TEST(AndOrFilter, BoundsAtTheEdgeOfEverythingMatchTheReference) {
    std::mt19937 rng(7);
    std::vector<Column> columns =
        varnelo::test::integral({1, 4, 7, 9, 12, 18, 22, 23, 30, 31, 35, 40, 44, 49});
    for (const Column& c : varnelo::test::randomColumns(500, 3))
        columns.push_back(c);
    struct Bounds {
        const char* name;
        int guessedFrom, guessedShort, pointsFrom, pointsShort; // "Short": below the top
    };
    const std::vector<Bounds> cases = {
        {"tutto ammesso", 0, 0, 0, 0},         {"indovinate una in meno", 0, 1, 0, 0},
        {"punti uno in meno", 0, 0, 0, 1},     {"almeno un punto", 0, 0, 1, 0},
        {"almeno una indovinata", 1, 0, 0, 0},
    };
    for (const Bounds& b : cases) {
        AndOrSet s;
        for (int k = 0; k < 4; ++k) {
            AndOrQuadro& q = s.quadri[static_cast<std::size_t>(k)];
            q.active = true;
            q.orLogic = k >= 2;
            std::int64_t most = 0;
            for (int j = 0; j < 30 + 20 * k; ++j) {
                const FilterColumn f{std::uint64_t{rng()} << 1 & ((std::uint64_t{1} << 50) - 2),
                                     static_cast<std::uint8_t>(1 + rng() % 63)};
                most += std::bit_width(f.hits & 0x3Fu) - 1;
                q.columns.push_back(f);
            }
            // The first quadro of each logic takes the case's bounds, the other stays tight.
            const auto n = static_cast<std::int16_t>(q.columns.size());
            if (k % 2 == 0) {
                q.guessed = {static_cast<std::int16_t>(b.guessedFrom),
                             static_cast<std::int16_t>(n - b.guessedShort)};
                q.points = {static_cast<std::int16_t>(b.pointsFrom),
                            static_cast<std::int16_t>(most - b.pointsShort)};
            } else {
                q.guessed = {static_cast<std::int16_t>(n / 3), static_cast<std::int16_t>(n)};
                q.points = {0, static_cast<std::int16_t>(most)};
            }
        }
        s.orRequirement.set(1);
        s.orRequirement.set(2);
        const AndOrTest t(s);
        int kept = 0;
        for (const Column& c : columns) {
            const int m = t.mark(c);
            ASSERT_EQ(m, referenceMark(s, c)) << b.name;
            kept += m == 0;
        }
        EXPECT_GT(kept, 0) << b.name;
    }
}

// The top of the points bound, reached only by the column itself: one below
// it is a real bound and must still be counted.
TEST(AndOrFilter, PointsOneBelowTheTopStillJudge) {
    AndOrSet s;
    AndOrQuadro& q = s.quadri[0];
    q.active = true;
    q.columns = {{maskOf({3, 9, 17, 28, 40}), hitsOf({0, 1, 5})}};
    q.guessed = {0, 1};
    for (const auto& [top, kept] : {std::pair{5, 0}, std::pair{4, kDiscardMark}}) {
        q.points = {0, static_cast<std::int16_t>(top)};
        const AndOrTest t(s);
        EXPECT_EQ(t.mark(col(3, 9, 17, 28, 40)), kept) << top;
        EXPECT_EQ(t.mark(col(3, 9, 17, 28, 41)), 0) << top; // 4 hits: not admitted, no points
    }
}

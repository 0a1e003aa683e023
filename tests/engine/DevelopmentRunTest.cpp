#include "EngineFixture.h"

#include <algorithm>
#include <thread>
#include <tuple>

using namespace varnelo;
using namespace varnelo::test;

TEST(DevelopmentRun, FiveNumbersGiveOneColumn) {
    Engine e;
    e.choose({3, 14, 25, 36, 47});
    const RunResult r = e.develop();
    EXPECT_EQ(r.conditioned, 1);
    EXPECT_EQ(r.kept, 0);
    EXPECT_EQ(r.finalCount, 1);
    EXPECT_EQ(r.finalCountText(), "Colonne finali = 1");
    EXPECT_EQ(r.description, "Sistema Condizionato");
    EXPECT_EQ(e.state->finalCountText(), "Colonne finali = 1");
    EXPECT_EQ(e.columns(), std::vector<Column>{col(3, 14, 25, 36, 47)});
}

TEST(DevelopmentRun, AllNumbersInLexicographicOrderAllInMemory) {
    Engine e;
    std::vector<int> all;
    for (int n = 1; n <= kMaxNumber; ++n)
        all.push_back(n);
    e.choose(all);
    const RunResult r = e.develop();
    ASSERT_EQ(r.conditioned, kAllColumns);
    EXPECT_EQ(r.inMemory, kAllColumns);
    EXPECT_EQ(r.total, kAllColumns);
    EXPECT_EQ(r.finalCount, kAllColumns);
    EXPECT_EQ(e.overflowSize(), 0u);
    const ColumnStore& s = e.state->columns;
    EXPECT_EQ(s.storedCount, kAllColumns);
    EXPECT_EQ(s.systemTotal, kAllColumns);
    EXPECT_EQ(s.developedCount, kAllColumns);
    EXPECT_TRUE(s.hasColumns);
    EXPECT_EQ(s.column(1), col(1, 2, 3, 4, 5));
    EXPECT_EQ(s.column(kAllColumns), col(45, 46, 47, 48, 49));
    for (std::int32_t i = 2; i <= kAllColumns; ++i)
        ASSERT_LT(s.column(i - 1), s.column(i)) << i;
}

TEST(DevelopmentRun, FewerThanFiveNumbersDevelopNothing) {
    Engine e;
    e.choose({1, 2, 3, 4});
    const RunResult r = e.develop();
    EXPECT_EQ(r.examined, 0);
    EXPECT_EQ(r.conditioned, 0);
    EXPECT_EQ(r.finalCount, 0);
    EXPECT_FALSE(e.state->columns.hasColumns);
}

TEST(DevelopmentRun, FixedNumbersAreInEveryColumnInTheSameOrder) {
    const struct {
        std::vector<int> chosen;
        std::vector<int> fixed;
    } cases[] = {
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {1}},
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {10}},
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {3, 7}},
        {{5, 9, 12, 20, 21, 33, 40, 44, 49}, {5, 21, 49}},
        {{5, 9, 12, 20, 21, 33, 40, 44, 49}, {9, 12, 40, 44}},
        {{2, 4, 6, 8, 10}, {2, 4, 6, 8}},
        {{11, 12, 13, 14, 15, 16, 17}, {13, 14, 15, 16}},
    };
    for (const auto& c : cases) {
        Engine e;
        e.choose(c.chosen);
        for (int f : c.fixed)
            ASSERT_TRUE(e.state->selection.setState(f, Selection::Fixed));
        std::vector<Column> expected;
        for (const Column& col : integral(c.chosen)) {
            bool all = true;
            for (int f : c.fixed)
                all = all && std::find(col.begin(), col.end(), f) != col.end();
            if (all)
                expected.push_back(col);
        }
        const RunResult r = e.develop();
        EXPECT_EQ(e.columns(), expected) << c.fixed.size() << " fisse";
        EXPECT_EQ(e.progress.total, static_cast<std::int64_t>(expected.size()));
        EXPECT_EQ(r.examined, e.progress.total);
        EXPECT_EQ(r.conditioned, binomial(static_cast<int>(c.chosen.size() - c.fixed.size()),
                                          static_cast<int>(5 - c.fixed.size())));
    }
}

TEST(DevelopmentRun, FullListSpillsIntoTheOverflowFileInOrder) {
    Engine e;
    e.choose({1, 2, 3, 4, 5, 6, 7});
    e.options.memoryRows = 10;
    const RunResult r = e.develop();
    EXPECT_EQ(r.inMemory, 10);
    EXPECT_EQ(r.total, 21);
    EXPECT_EQ(r.finalCount, 21);
    EXPECT_EQ(e.state->columns.storedCount, 10);
    EXPECT_EQ(e.state->columns.systemTotal, 21);
    const std::vector<Column> all = integral({1, 2, 3, 4, 5, 6, 7});
    EXPECT_EQ(e.columns(), std::vector<Column>(all.begin(), all.begin() + 10));
    const std::string text = readFile(e.dir / "qor" / "qor.qor");
    ASSERT_EQ(text.size(), 11u * 17u);
    EXPECT_EQ(text.substr(0, 17), "1  3  4  5  6  \r\n"); // column 11 of the list
    EXPECT_EQ(text.substr(10 * 17), "3  4  5  6  7  \r\n");
}

TEST(DevelopmentRun, StoppingLeavesEveryCountAtZeroAndTheOverflowEmpty) {
    Engine e;
    std::vector<int> all;
    for (int n = 1; n <= 40; ++n) // more candidates than one display refresh
        all.push_back(n);
    e.choose(all);
    e.options.memoryRows = 1000; // the overflow file has lines before the stop
    e.progress.cancel = true;
    const RunResult r = e.develop();
    EXPECT_TRUE(r.cancelled);
    EXPECT_EQ(r.conditioned, 0);
    EXPECT_EQ(r.kept, 0);
    EXPECT_EQ(r.total, 0);
    EXPECT_EQ(r.finalCount, 0);
    EXPECT_EQ(e.progress.done, 0);
    EXPECT_EQ(e.progress.conditioned, 0);
    EXPECT_EQ(e.progress.inMemory, 0);
    EXPECT_EQ(e.state->columns.storedCount, 0);
    EXPECT_EQ(e.state->columns.systemTotal, 0);
    EXPECT_EQ(e.state->finalCountText(), "Colonne finali = 0");
    EXPECT_EQ(e.overflowSize(), 0u);
}

namespace {

// Develops the 49 numbers and stops from another thread once the run shows progress.
RunResult developAndStopWhileRunning(Engine& e) {
    std::vector<int> all;
    for (int n = 1; n <= kMaxNumber; ++n)
        all.push_back(n);
    e.choose(all);
    std::thread stopper([&] {
        while (e.progress.done.load() == 0)
            std::this_thread::yield();
        e.progress.cancel = true;
    });
    const RunResult r = e.develop();
    stopper.join();
    return r;
}

} // namespace

TEST(DevelopmentRun, StopFromAnotherThreadEndsTheRun) {
    Engine e;
    e.state->options.developmentLevel = 2; // slow enough to be caught running
    const RunResult r = developAndStopWhileRunning(e);
    EXPECT_TRUE(r.cancelled);
    EXPECT_EQ(e.state->columns.storedCount, 0);
    EXPECT_EQ(e.overflowSize(), 0u);
}

TEST(DevelopmentRun, CalculateOnlyCountsWithoutStoring) {
    Engine e;
    e.choose({1, 2, 3, 4, 5, 6, 7, 8});
    e.state->conditions.setActive(1, true); // Pari 2 only
    e.state->conditions.setCell(1, 2, {CellStatus::Admitted, 0});
    e.options.calculateOnly = true;
    const RunResult r = e.develop();
    EXPECT_EQ(r.conditioned, 24); // C(4,2) * C(4,3) with four even and four odd numbers
    EXPECT_EQ(r.finalCount, 24);
    EXPECT_EQ(r.inMemory, 0);
    EXPECT_EQ(e.state->columns.systemTotal, 0);
    EXPECT_FALSE(e.state->columns.hasColumns);
}

TEST(DevelopmentRun, PresetColumnsStayFirstAndCount) {
    Engine e;
    e.state->columns.store(1, col(40, 41, 42, 43, 44));
    e.state->columns.store(2, col(1, 2, 3, 4, 5));
    e.choose({1, 2, 3, 4, 5, 6});
    e.options.presetColumns = 2;
    e.options.tally = true;
    const RunResult r = e.develop();
    EXPECT_EQ(r.conditioned, 6);
    EXPECT_EQ(r.kept, 2);
    EXPECT_EQ(r.total, 8);
    EXPECT_EQ(r.finalCount, 8);
    const std::vector<Column> got = e.columns();
    ASSERT_EQ(got.size(), 8u);
    EXPECT_EQ(got[0], col(40, 41, 42, 43, 44));
    EXPECT_EQ(got[2], col(1, 2, 3, 4, 5));
    int tallied = 0;
    for (int v = 0; v <= 5; ++v)
        tallied += e.state->distribution.count(v, 1);
    EXPECT_EQ(tallied, 8);
    DistributionTable after;
    tallyStoredColumns(e.state->columns, {}, after);
    for (int v = 0; v <= 5; ++v)
        for (int code = 1; code <= kMaxMetricCode; ++code)
            EXPECT_EQ(after.count(v, code), e.state->distribution.count(v, code));
}

TEST(DevelopmentRun, DescriptionFollowsTheKindOfDevelopment) {
    const struct {
        int level, kind, guarantee;
        const char* description;
        const char* difference;
    } cases[] = {
        {1, 0, 0, "Sistema Condizionato", ""},
        {2, 0, 0, "Sistema Cond. + Rid.", ""},
        {5, 0, 0, "Sistema Cond. + Rid.", ""},
        {1, 23, 0, "Sistema Condizionato", "Differ. tra Colonne:3"},
        {3, 2, 7, "Sistema Condizionato", ""},
    };
    for (const auto& c : cases) {
        Engine e;
        e.choose({1, 2, 3, 4, 5, 6});
        e.state->options.developmentLevel = c.level;
        e.state->options.kindCode = c.kind;
        e.state->options.guaranteeKind = c.guarantee;
        const RunResult r = e.develop();
        EXPECT_EQ(r.description, c.description);
        EXPECT_EQ(r.differenceText, c.difference);
    }
}

TEST(DevelopmentRun, OrthogonalColumnsGoThroughTheRoutineAndAreKept) {
    struct Recorder : OrthogonalDevelopment {
        std::vector<Column> seen;
        int kind = 0;
        void take(const Column& c, int k) override {
            seen.push_back(c);
            kind = k;
        }
    } recorder;
    Engine e;
    e.choose({1, 2, 3, 4, 5, 6, 7});
    e.state->options.guaranteeKind = 7;
    e.state->options.kindCode = 2;
    e.options.orthogonal = &recorder;
    const RunResult r = e.develop();
    EXPECT_EQ(recorder.seen, integral({1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(recorder.kind, 7);
    EXPECT_EQ(r.kept, 21);
    EXPECT_EQ(r.finalCount, 21);
}

TEST(DevelopmentRun, TableSourceKeepsItsOrder) {
    Engine e;
    const std::vector<Column> rows = {col(10, 20, 30, 40, 49), col(1, 2, 3, 4, 5),
                                      col(1, 2, 3, 4, 5), col(7, 8, 19, 33, 41)};
    RunResult r = e.develop(rows);
    EXPECT_EQ(e.columns(), rows); // no condition: unchanged, duplicates tested twice
    EXPECT_EQ(r.finalCount, 4);

    r = e.develop(std::vector<Column>{});
    EXPECT_EQ(r.conditioned, 0);
    EXPECT_EQ(r.finalCount, 0);

    r = e.develop({col(5, 4, 3, 2, 1)});
    ASSERT_TRUE(r.failure.has_value());
}

TEST(DevelopmentRun, ShuffleMixesTheDevelopedRowsAfterThePreset) {
    Engine e;
    e.state->columns.store(1, col(40, 41, 42, 43, 44));
    e.options.presetColumns = 1;
    const std::vector<int> numbers = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    e.choose(numbers);
    e.state->settings.shuffle = true;
    e.develop();
    std::vector<Column> got = e.columns();
    ASSERT_EQ(got.size(), 793u);
    EXPECT_EQ(got.front(), col(40, 41, 42, 43, 44));
    got.erase(got.begin());
    const std::vector<Column> ordered = integral(numbers);
    EXPECT_NE(got, ordered); // 792 rows left in order by chance: never
    std::sort(got.begin(), got.end());
    EXPECT_EQ(got, ordered);
}

// A run split over threads gives the list, the overflow file, the counts and
// the tally of the single-threaded run, whatever the options around it.
TEST(DevelopmentRun, ThreadsChangeNothingButTheTime) {
    struct Case {
        const char* name;
        std::vector<int> fixed;
        std::int32_t memoryRows = INT32_MAX;
        std::int32_t preset = 0;
        bool calculateOnly = false;
        bool tally = false;
    };
    const std::vector<Case> cases = {
        {"semplice", {}},
        {"due fisse", {9, 30}},
        {"fissa la prima", {2}},
        {"fissa l'ultima", {47}},
        {"file di riserva", {}, 700},
        {"colonne iniziali", {}, INT32_MAX, 2},
        {"colonne iniziali e distribuzione", {}, INT32_MAX, 2, false, true},
        {"solo calcolo", {}, INT32_MAX, 0, true},
    };
    const std::vector<int> numbers = {2, 3, 5, 9, 11, 14, 17, 20, 21, 25, 30, 33, 38, 41, 44, 47};
    for (const Case& c : cases) {
        struct Outcome {
            RunResult result;
            std::vector<Column> columns;
            std::string overflow;
            std::vector<std::int32_t> distribution;
        };
        auto develop = [&](int threads) {
            Engine e;
            e.choose(numbers);
            for (int f : c.fixed)
                e.state->selection.setState(f, Selection::Fixed);
            e.state->conditions.setActive(1, true); // Pari 1..3
            for (int v = 1; v <= 3; ++v)
                e.state->conditions.setCell(1, v, {CellStatus::Admitted, 0});
            e.state->columns.store(1, col(40, 41, 42, 43, 44));
            e.state->columns.store(2, col(1, 2, 3, 4, 5));
            e.options.presetColumns = c.preset;
            e.options.memoryRows = c.memoryRows;
            e.options.calculateOnly = c.calculateOnly;
            e.options.tally = c.tally;
            e.options.threads = threads;
            Outcome o{e.develop(), e.columns(), readFile(e.dir / "qor" / "qor.qor"), {}};
            for (int v = 0; v <= 5; ++v)
                o.distribution.push_back(e.state->distribution.count(v, 1));
            o.distribution.push_back(static_cast<std::int32_t>(e.progress.done));
            o.distribution.push_back(e.progress.conditioned);
            o.distribution.push_back(e.progress.inMemory);
            return o;
        };
        const Outcome single = develop(1);
        EXPECT_GT(single.result.conditioned, 0) << c.name;
        for (int threads : {2, 3, 7}) {
            const Outcome split = develop(threads);
            const RunResult &a = single.result, &b = split.result;
            EXPECT_EQ(split.columns, single.columns) << c.name << ", " << threads;
            EXPECT_EQ(split.overflow, single.overflow) << c.name << ", " << threads;
            EXPECT_EQ(split.distribution, single.distribution) << c.name << ", " << threads;
            EXPECT_EQ(
                std::tie(b.examined, b.conditioned, b.kept, b.inMemory, b.total, b.finalCount),
                std::tie(a.examined, a.conditioned, a.kept, a.inMemory, a.total, a.finalCount))
                << c.name << ", " << threads;
        }
    }
}

// Stopping a split run from another thread drops every share.
TEST(DevelopmentRun, StopEndsEveryThread) {
    Engine e;
    // A quadro that keeps every column but must count its points: slow
    // enough to be caught running.
    AndOrQuadro& q = e.state->families.andOr.quadri[0];
    q.active = true;
    for (int j = 0; j < 300; ++j)
        q.columns.push_back({std::uint64_t{0b111110} << (j % 40), 0b111111});
    q.guessed = {0, 300};
    q.points = {0, 1499};
    e.options.threads = 2;
    e.options.memoryRows = 1000;
    const RunResult r = developAndStopWhileRunning(e);
    EXPECT_TRUE(r.cancelled);
    EXPECT_EQ(r.total, 0);
    EXPECT_EQ(e.progress.done, 0);
    EXPECT_EQ(e.state->columns.storedCount, 0);
    EXPECT_EQ(e.overflowSize(), 0u);
}

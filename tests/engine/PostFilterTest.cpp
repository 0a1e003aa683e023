#include "EngineFixture.h"
#include "core/SubsetIndex.h"

#include <random>

using namespace varnelo;
using namespace varnelo::test;

namespace {

int shared(const Column& a, const Column& b) {
    int n = 0;
    for (std::uint8_t x : a)
        for (std::uint8_t y : b)
            n += x == y;
    return n;
}

// Minimum difference done the plain way: every kept column is compared.
std::vector<Column> plainDifference(const std::vector<Column>& conditioned, int difference) {
    std::vector<Column> kept;
    for (const Column& c : conditioned) {
        bool far = true;
        for (const Column& k : kept)
            far = far && shared(c, k) <= 5 - difference;
        if (far)
            kept.push_back(c);
    }
    return kept;
}

// The streaming reduction done the plain way, remembered column and all.
class PlainReduction {
  public:
    explicit PlainReduction(int r) : r_(r) {}

    std::vector<Column> run(const std::vector<Column>& conditioned) {
        for (const Column& c : conditioned) {
            if (!kept_.empty() && nearKept(c))
                continue;
            buffer_.push_back(c);
            if (buffer_.size() > 600)
                reduce(400);
        }
        reduce(0);
        return kept_;
    }

  private:
    bool close(const Column& a, const Column& b) const {
        int differing = 0;
        for (std::uint8_t x : a) {
            differing += std::find(b.begin(), b.end(), x) == b.end();
            if (differing == r_)
                return false;
        }
        return true;
    }
    bool nearKept(const Column& c) {
        if (remembered_ >= 0 && close(c, kept_[static_cast<std::size_t>(remembered_)]))
            return true;
        for (std::size_t j = 0; j < kept_.size(); ++j)
            if (close(c, kept_[j])) {
                remembered_ = static_cast<int>(j);
                return true;
            }
        return false;
    }
    void reduce(std::size_t target) {
        std::vector<int> score(buffer_.size(), 1);
        for (std::size_t i = 0; i < buffer_.size(); ++i)
            for (std::size_t j = i + 1; j < buffer_.size(); ++j)
                if (close(buffer_[i], buffer_[j])) {
                    ++score[i];
                    ++score[j];
                }
        while (buffer_.size() > target) {
            std::size_t best = 0;
            for (std::size_t i = 1; i < buffer_.size(); ++i)
                if (score[i] > score[best])
                    best = i;
            if (score[best] == 0)
                break;
            int count = 0;
            for (const Column& c : buffer_)
                count += close(buffer_[best], c);
            if (count < score[best]) {
                score[best] = count;
                continue;
            }
            const Column k = buffer_[best];
            kept_.push_back(k);
            for (std::size_t j = 0; j < buffer_.size();) {
                if (close(k, buffer_[j])) {
                    buffer_[j] = buffer_.back();
                    score[j] = score.back();
                    buffer_.pop_back();
                    score.pop_back();
                } else {
                    ++j;
                }
            }
        }
    }

    int r_;
    int remembered_ = -1;
    std::vector<Column> kept_;
    std::vector<Column> buffer_;
};

// Pari 1..3: an irregular set of conditioned columns.
void someConditions(Engine& e) {
    e.state->conditions.setActive(1, true);
    for (int v = 1; v <= 3; ++v)
        e.state->conditions.setCell(1, v, {CellStatus::Admitted, 0});
}

std::vector<Column> conditioned(const std::vector<int>& numbers) {
    std::vector<Column> out;
    for (const Column& c : integral(numbers)) {
        int even = 0;
        for (std::uint8_t n : c)
            even += n % 2 == 0;
        if (even >= 1 && even <= 3)
            out.push_back(c);
    }
    return out;
}

} // namespace

TEST(PostFilter, DifferenceMatchesThePlainScan) {
    std::mt19937 rng(7);
    for (int difference = 2; difference <= 5; ++difference) {
        Engine e;
        const std::vector<int> numbers = randomNumbers(rng, 22);
        e.choose(numbers);
        someConditions(e);
        e.state->options.kindCode = 20 + difference;
        const RunResult r = e.develop();
        const std::vector<Column> expected = plainDifference(conditioned(numbers), difference);
        EXPECT_EQ(e.columns(), expected) << difference;
        EXPECT_EQ(r.kept, static_cast<std::int32_t>(expected.size()));
        EXPECT_EQ(r.finalCount, r.kept);
        EXPECT_EQ(r.differenceText, "Differ. tra Colonne:" + std::to_string(difference));
    }
}

TEST(PostFilter, DifferenceFiveKeepsDisjointColumnsStartingWithTheFirst) {
    Engine e;
    std::vector<int> all;
    for (int n = 1; n <= kMaxNumber; ++n)
        all.push_back(n);
    e.choose(all);
    e.state->options.kindCode = 25;
    e.develop();
    const std::vector<Column> kept = e.columns();
    ASSERT_FALSE(kept.empty());
    EXPECT_EQ(kept.front(), col(1, 2, 3, 4, 5));
    std::uint64_t seen = 0;
    for (const Column& c : kept) {
        EXPECT_EQ(seen & columnMask(c), 0u);
        seen |= columnMask(c);
    }
    EXPECT_EQ(kept.size(), 9u); // 1..45 in nine disjoint runs
}

TEST(PostFilter, ReductionMatchesThePlainAlgorithm) {
    std::mt19937 rng(11);
    for (int level = 2; level <= 5; ++level) {
        Engine e;
        const std::vector<int> numbers = randomNumbers(rng, 19);
        e.choose(numbers);
        someConditions(e);
        e.state->options.developmentLevel = level;
        const RunResult r = e.develop();
        const std::vector<Column> expected = PlainReduction(level).run(conditioned(numbers));
        EXPECT_EQ(e.columns(), expected) << "livello " << level;
        EXPECT_EQ(r.kept, static_cast<std::int32_t>(expected.size()));
        EXPECT_EQ(r.conditioned, static_cast<std::int32_t>(conditioned(numbers).size()));
        EXPECT_EQ(r.finalCount, r.kept);
        EXPECT_EQ(r.description, "Sistema Cond. + Rid.");
    }
}

TEST(PostFilter, GuaranteeFourKeepsNoTwoColumnsSharingFourAndCoversTheRest) {
    Engine e;
    const std::vector<int> numbers = {1,  3,  4,  7,  9,  12, 15, 16, 20, 22, 25,
                                      28, 31, 33, 36, 38, 40, 41, 44, 46, 48, 49};
    e.choose(numbers);
    someConditions(e);
    e.state->options.developmentLevel = 2; // " Garanzia 4"
    e.develop();
    const std::vector<Column> kept = e.columns();
    SubsetIndex fours(4);
    for (const Column& k : kept) {
        ASSERT_FALSE(fours.sharesWithAny(k));
        fours.insert(k);
    }
    for (const Column& c : conditioned(numbers))
        ASSERT_TRUE(fours.sharesWithAny(c));
}

TEST(PostFilter, FewColumnsAreReducedOnlyAtTheEnd) {
    Engine e;
    e.choose({1, 2, 3, 4, 5, 6, 7, 8, 9}); // 126 columns, below the high mark
    e.state->options.developmentLevel = 2;
    e.develop();
    EXPECT_EQ(e.columns(), PlainReduction(2).run(integral({1, 2, 3, 4, 5, 6, 7, 8, 9})));
}

TEST(PostFilter, CoverageBelowFullStoresTheConditionedColumns) {
    Engine e;
    e.choose({1, 2, 3, 4, 5, 6, 7, 8, 9});
    e.state->options.developmentLevel = 3;
    e.state->options.coverage = 80.0;
    const RunResult r = e.develop();
    EXPECT_EQ(r.finalCount, 126);
    EXPECT_EQ(r.kept, 0);
    EXPECT_EQ(r.description, "Sistema Cond. + Rid.");
}

TEST(SubsetIndex, AnswersAsAPlainScan) {
    std::mt19937 rng(3);
    for (int s = 1; s <= 5; ++s) {
        SubsetIndex index(s);
        std::vector<Column> kept;
        for (int i = 0; i < 3000; ++i) {
            const std::vector<int> n = randomNumbers(rng, 5);
            const Column c = col(n[0], n[1], n[2], n[3], n[4]);
            bool plain = false;
            for (const Column& k : kept)
                plain = plain || shared(c, k) >= s;
            ASSERT_EQ(index.sharesWithAny(c), plain) << s;
            if (i % 3 == 0) {
                index.insert(c);
                kept.push_back(c);
            }
        }
    }
}

// Rows of a table may repeat and come in any order; the buffer goes through
// many rounds of the high and low marks.
TEST(PostFilter, ReductionOfATableWithRepeatedRows) {
    std::mt19937 rng(5);
    for (int level : {2, 3}) {
        std::vector<Column> rows = integral(randomNumbers(rng, 17));
        rows.insert(rows.end(), rows.begin(), rows.begin() + 700);
        std::shuffle(rows.begin(), rows.end(), rng);
        Engine e;
        e.state->options.developmentLevel = level;
        const RunResult r = e.develop(rows);
        EXPECT_EQ(e.columns(), PlainReduction(level).run(rows)) << level;
        EXPECT_EQ(r.conditioned, static_cast<std::int32_t>(rows.size()));
    }
}

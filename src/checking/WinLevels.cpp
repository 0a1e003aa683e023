#include "checking/WinLevels.h"

#include <algorithm>
#include <bit>
#include <string>

namespace varnelo {

void ScoreTally::add(std::int64_t winners) {
    ++sets;
    if (winners < 5) {
        ++exactly[static_cast<std::size_t>(winners - 1)];
        return;
    }
    minWinners = exactly[4] == 0 ? winners : std::min(minWinners, winners);
    maxWinners = std::max(maxWinners, winners);
    ++exactly[4];
}

WinLevelsInput winLevelsInput(const Selection& selection, const ColumnStore& columns,
                              bool onlyWithFixed) {
    WinLevelsInput in;
    in.columns = &columns;
    in.count = columns.storedCount;
    std::uint64_t held = 0;
    for (int p = 1; p <= kColumnSize; ++p) {
        const std::uint8_t* plane = columns.plane(p);
        for (std::int32_t i = 1; i <= in.count; ++i)
            held |= std::uint64_t{1} << (plane[i] & 63);
    }
    for (int n : selection.chosenNumbers())
        held |= std::uint64_t{1} << n;
    for (int n = 1; n <= kMaxNumber; ++n) // what is not a number 1..49 is no hit
        if (held >> n & 1)
            in.numbers.push_back(n);
    in.fixed = selection.fixedNumbers();
    in.onlyWithFixed = onlyWithFixed;
    return in;
}

std::optional<Notice> winLevelsRefusal(std::int32_t total) {
    if (total <= kWinLevelsMaxColumns)
        return std::nullopt;
    return Notice{"Avviso:",
                  {"Colonne N°= " + std::to_string(total), "Troppe colonne,",
                   "troppo tempo per il calcolo !"}};
}

namespace {

constexpr int kMaxSubsets = 1 << kColumnSize;

// C(x, s) for positions x < 49 and sizes s <= 5: the colex rank of an
// ascending set of positions is the sum of C(x_i, i + 1).
struct RankTable {
    std::array<std::array<std::uint32_t, kColumnSize + 1>, kMaxNumber + 1> c{};
    RankTable() {
        for (int x = 0; x <= kMaxNumber; ++x)
            for (int s = 0; s <= kColumnSize; ++s)
                c[x][s] = static_cast<std::uint32_t>(binomial(x, s));
    }
};
const RankTable kRank;

class LevelCounter {
  public:
    LevelCounter(const WinLevelsInput& in, Progress& progress)
        : in_(in), progress_(progress), n_(static_cast<int>(in.numbers.size())) {
        position_.fill(-1);
        for (int i = 0; i < n_; ++i)
            position_[in.numbers[i]] = i;
        for (int s = 1; s <= kColumnSize; ++s)
            holding_[s].assign(static_cast<std::size_t>(binomial(n_, s)), 0);
        if (in.onlyWithFixed)
            for (int f : in.fixed)
                if (position_[f] >= 0)
                    fixedMask_ |= std::uint64_t{1} << position_[f];
        fixedCount_ = std::popcount(fixedMask_);
    }

    WinLevels run() {
        progress_.total.store(in_.count + examinedSets());
        if (in_.count == 0 || pause(0))
            return result_;
        countSubsets();
        if (!result_.cancelled)
            visit(0, 0, std::array<std::int64_t, kColumnSize + 1>{in_.count});
        if (!result_.cancelled)
            progress_.report(done_);
        return result_;
    }

  private:
    std::int64_t examinedSets() const {
        std::int64_t total = 0;
        for (int k = std::max(1, fixedCount_); k <= kColumnSize; ++k)
            total += binomial(n_ - fixedCount_, k - fixedCount_);
        return total;
    }

    bool pause(std::int64_t done) {
        progress_.report(done);
        if (progress_.cancelled())
            result_.cancelled = true;
        return result_.cancelled;
    }

    // holding_[s][rank]: the columns that hold the s-set of positions `rank`.
    void countSubsets() {
        std::array<const std::uint8_t*, kColumnSize> plane;
        for (int p = 0; p < kColumnSize; ++p)
            plane[p] = in_.columns->plane(p + 1);
        std::array<std::uint32_t, kMaxSubsets> rank{};
        for (std::int32_t i = 1; i <= in_.count; ++i) {
            if ((i & 0xffff) == 0 && pause(i))
                return;
            int held = 0;
            for (int p = 0; p < kColumnSize; ++p) {
                const int x = position_[plane[p][i]];
                if (x < 0)
                    continue;
                const unsigned top = 1u << held;
                for (unsigned m = 0; m < top; ++m) {
                    const int size = std::popcount(m) + 1;
                    rank[top | m] = rank[m] + kRank.c[x][size];
                    ++holding_[size][rank[top | m]];
                }
                ++held;
            }
        }
        done_ = in_.count;
    }

    // Extends the set of `depth` positions (their subsets' ranks in rank_,
    // the sums of their subsets' holding counts by size in `sums`) by every
    // later position in turn. With fixed numbers required, a set that passes
    // over a fixed position can never hold it, nor can its extensions.
    void visit(int depth, int start, const std::array<std::int64_t, kColumnSize + 1>& sums) {
        const unsigned top = 1u << depth;
        for (int x = start; x < n_; ++x) {
            std::array<std::int64_t, kColumnSize + 1> with = sums;
            for (unsigned m = 0; m < top; ++m) {
                const int size = std::popcount(m) + 1;
                const std::uint32_t r = rank_[m] + kRank.c[x][size];
                rank_[top | m] = r;
                with[size] += holding_[size][r];
            }
            chosen_ |= std::uint64_t{1} << x;
            const int k = depth + 1;
            if ((chosen_ & fixedMask_) == fixedMask_) {
                tally(k, with);
                ++done_;
            }
            // Every first number of a set, and every so many sets, the stop is seen.
            if ((depth == 0 || (done_ & 0xffff) == 0) && pause(done_))
                return;
            if (k < kColumnSize)
                visit(k, x + 1, with);
            chosen_ &= ~(std::uint64_t{1} << x);
            if (result_.cancelled || fixedMask_ >> x & 1)
                return;
        }
    }

    // sums[i] adds up, over the set's i-subsets, the columns holding each.
    // By inclusion-exclusion the columns holding exactly j of the set's
    // numbers are the sum over i >= j of (-1)^(i-j) C(i, j) sums[i]. At the
    // best score b no column holds more, every term past i = b is 0, and the
    // winning columns are sums[b]: each holds exactly one b-subset.
    void tally(int k, const std::array<std::int64_t, kColumnSize + 1>& sums) {
        int best = k;
        while (sums[best] == 0)
            --best;
        result_.level[k].byScore[best].add(sums[best]);
        ++result_.level[k].sets;
    }

    const WinLevelsInput& in_;
    Progress& progress_;
    int n_;
    std::array<int, 256> position_{}; // by any byte a column may hold
    std::array<std::vector<std::uint32_t>, kColumnSize + 1> holding_;
    std::array<std::uint32_t, kMaxSubsets> rank_{};
    std::uint64_t fixedMask_ = 0;
    std::uint64_t chosen_ = 0;
    int fixedCount_ = 0;
    std::int64_t done_ = 0;
    WinLevels result_;
};

} // namespace

WinLevels winLevels(const WinLevelsInput& input, Progress& progress) {
    return LevelCounter(input, progress).run();
}

} // namespace varnelo

#include "checking/WinLevels.h"

#include <bit>

namespace varnelo {

namespace {

class Walk {
  public:
    explicit Walk(const WinLevelsInput& in) : in_(in) {
        for (int f : in.fixed)
            fixedMask_ |= std::uint64_t{1} << f;
        for (std::int32_t i = 1; i <= in.count; ++i) {
            std::uint64_t m = 0;
            for (int n : in.columns->column(i))
                m |= std::uint64_t{1} << n;
            columns_.push_back(m);
        }
    }

    WinLevels run() {
        if (!columns_.empty())
            for (int k = 1; k <= kColumnSize; ++k)
                sets(k, 0, 0);
        return result_;
    }

  private:
    // Every set of `left` more numbers after index `from`, in lexicographic order.
    void sets(int left, std::size_t from, std::uint64_t set) {
        if (left == 0) {
            if (!in_.onlyWithFixed || (set & fixedMask_) == fixedMask_)
                score(std::popcount(set), set);
            return;
        }
        for (std::size_t i = from; i < in_.numbers.size(); ++i)
            sets(left - 1, i + 1, set | std::uint64_t{1} << in_.numbers[i]);
    }

    void score(int k, std::uint64_t set) {
        int best = -1;
        std::int64_t winners = 0;
        for (std::uint64_t column : columns_) {
            const int hits = std::popcount(column & set);
            if (hits > best) {
                best = hits;
                winners = 0;
            }
            winners += hits == best;
        }
        result_.level[k].byScore[best].add(winners);
        ++result_.level[k].sets;
    }

    const WinLevelsInput& in_;
    std::uint64_t fixedMask_ = 0;
    std::vector<std::uint64_t> columns_;
    WinLevels result_;
};

} // namespace

WinLevels walkWinLevels(const WinLevelsInput& input) {
    return Walk(input).run();
}

} // namespace varnelo

#include "reduced/Combinatorics.h"
#include "reduced/PositionTable.h"

#include <array>

namespace varnelo {

namespace {

// Walks the c-sets in lexicographic order; once a prefix already holds a
// marked g-set, its whole subtree is covered and skipped.
class Walk {
  public:
    Walk(const std::vector<bool>& marked, int n, int g, int c)
        : marked_(marked), n_(n), g_(g), c_(c) {}

    bool run() { return extend(0, 0); }

  private:
    // Does a g-set made of `x` and g - 1 members of the prefix carry a mark?
    bool closes(int depth, std::uint8_t x) const {
        std::array<int, 8> pick{};
        const int need = g_ - 1;
        for (int i = 0; i < need; ++i)
            pick[i] = i;
        if (need > depth)
            return false;
        for (;;) {
            std::uint64_t r = tableBinomial(x, g_);
            for (int i = 0; i < need; ++i)
                r += tableBinomial(chosen_[pick[i]], i + 1);
            if (marked_[r])
                return true;
            int i = need - 1;
            while (i >= 0 && pick[i] == depth - need + i)
                --i;
            if (i < 0)
                return false;
            ++pick[i];
            for (int j = i + 1; j < need; ++j)
                pick[j] = pick[j - 1] + 1;
        }
    }

    bool extend(int depth, int start) {
        for (int x = start; x <= n_ - (c_ - depth); ++x) {
            chosen_[depth] = static_cast<std::uint8_t>(x);
            if (closes(depth, chosen_[depth]))
                continue;
            if (depth + 1 == c_ || !extend(depth + 1, x + 1))
                return false;
        }
        return true;
    }

    const std::vector<bool>& marked_;
    int n_, g_, c_;
    std::array<std::uint8_t, 8> chosen_{};
};

bool rowsAreSound(const PositionTable& t) {
    for (std::size_t i = 0; i < t.rows(); ++i) {
        const std::uint8_t* r = t.row(i);
        for (int j = 0; j < t.rowLength; ++j)
            if (r[j] < 1 || r[j] > t.n || (j > 0 && r[j] <= r[j - 1]))
                return false;
    }
    return true;
}

} // namespace

bool coversAll(const PositionTable& t, int g, int c) {
    if (t.rowLength < 1 || t.rowLength > 5 || t.n > kMaxPositions || g < 0 || g > c || c > 7 ||
        g > t.rowLength || !rowsAreSound(t))
        return false;
    if (c > t.n)
        return true;
    if (g == 0)
        return t.rows() > 0;
    std::vector<bool> marked(tableBinomial(t.n, g), false);
    std::array<std::uint8_t, 5> zero{};
    std::array<int, 5> pick{};
    for (std::size_t i = 0; i < t.rows(); ++i) {
        const std::uint8_t* r = t.row(i);
        for (int j = 0; j < t.rowLength; ++j)
            zero[j] = static_cast<std::uint8_t>(r[j] - 1);
        for (int j = 0; j < g; ++j)
            pick[j] = j;
        for (;;) {
            std::uint64_t rank = 0;
            for (int j = 0; j < g; ++j)
                rank += tableBinomial(zero[pick[j]], j + 1);
            marked[rank] = true;
            int j = g - 1;
            while (j >= 0 && pick[j] == t.rowLength - g + j)
                --j;
            if (j < 0)
                break;
            ++pick[j];
            for (int h = j + 1; h < g; ++h)
                pick[h] = pick[h - 1] + 1;
        }
    }
    return Walk(marked, t.n, g, c).run();
}

} // namespace varnelo

#include "engine/DevelopmentRun.h"

#include "core/SubsetIndex.h"
#include "engine/CandidatePlan.h"
#include "engine/ColumnOutput.h"
#include "engine/FamilyChecks.h"
#include "engine/StreamingReduction.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <thread>

namespace varnelo {

namespace {

// The display refreshes (and the cancel flag is read) when the work counter passes this.
constexpr std::int64_t kRefreshWork = 499999;

enum class PostFilter { Store, Orthogonal, Difference, Reduction };

// The state of positions 1..p of the candidate, built from position p - 1.
struct Prefix {
    std::uint32_t key = 0;
    std::int32_t sum = 0;
    std::uint32_t decades = 0, units = 0, rankUp = 0;
    std::int32_t minGap = kMaxNumber, maxGap = 0;
    std::uint64_t gaps = 0;
    std::array<std::int32_t, kAdditiveCount> additive{};
};

// Pair indices of betweenPair() that end at position p.
constexpr std::array<std::array<int, 4>, 6> kPairsEndingAt = {{
    {-1, -1, -1, -1},
    {-1, -1, -1, -1},
    {0, -1, -1, -1},
    {1, 4, -1, -1},
    {2, 5, 7, -1},
    {3, 6, 8, 9},
}};

struct Check {
    int input;
    const std::uint16_t* table;
    std::int64_t refused = 0; // prefixes it cut
};

// How a check's value moves over the completions of a prefix: unknown, the
// sum plus the last number, the last number less an earlier position (-1:
// the last number itself), a per-number sum, or fixed by the prefix.
enum class Span : std::uint8_t { Unknown, Sum, FromPosition, Additive, Prefix };

// Per completion of a prefix, the verdicts of its checks or-ed together.
using Verdicts = std::array<std::uint16_t, kMaxNumber>;

// The columns and counts of the candidates with one first number, from a
// worker of a parallel run.
struct Share {
    // Kept aside, or written straight into the list from row firstRow on.
    std::vector<Column> columns;
    std::int32_t firstRow = 0, rows = 0;
    std::int64_t examined = 0;
    std::int32_t conditioned = 0;
};

class Runner {
  public:
    Runner(const RunInput& input, const ColumnStore& columns, const RunOptions& options,
           RunProgress& progress, CandidatePlan& plan, const FamilyChecks& families,
           ColumnOutput& output)
        : input_(input), columns_(columns), options_(options), progress_(progress), plan_(plan),
          families_(families), output_(output), index_(1) {
        choosePostFilter();
        sortChecks();
        findSumWindow();
        findCuts();
        tracks_ = !plan.passesAll() || !families.empty();
        counts_ = plan.counts();
        auto needs = [&](std::initializer_list<int> inputs) {
            for (int i : inputs)
                if (plan.needs() >> i & 1)
                    return true;
            return false;
        };
        key_ = needs({kKey});
        sums_ = needs({kSum});
        additives_ = plan.additiveCount();
        decades_ = needs({kDecades});
        units_ = needs({kUnits});
        rank_ = needs({kRankUp});
        gaps_ = needs({kGemelli, kMinGap, kMaxGap});
        for (int i = kPosition1; i < kInputCount; ++i)
            placesPositions_ = placesPositions_ || needs({i});
    }

    void startWithPreset() {
        for (std::int32_t i = 1; i <= options_.presetColumns; ++i) {
            const Column c = columns_.column(i);
            if (options_.tally)
                tally(c);
            if (mode_ == PostFilter::Difference || mode_ == PostFilter::Reduction)
                index_.insert(c);
        }
        kept_ = options_.presetColumns;
    }

    // With `first`, only the candidates whose first number is chosen[first].
    void enumerate(const std::vector<int>& chosen, const std::vector<int>& fixed,
                   std::optional<int> first = std::nullopt) {
        if (first)
            firstLo_ = firstHi_ = *first;
        list_ = chosen;
        listSum_.assign(list_.size() + 1, 0);
        for (std::size_t i = 0; i < list_.size(); ++i)
            listSum_[i + 1] = listSum_[i] + list_[i];
        for (int f : fixed)
            fixedAt_.push_back(
                static_cast<int>(std::find(list_.begin(), list_.end(), f) - list_.begin()));
        descend<1>(0, 0);
    }

    void table(const std::vector<Column>& rows) {
        for (const Column& row : rows) {
            if (stop_)
                return;
            if (fromScratch(row))
                candidate();
            else
                skip(1);
        }
    }

    // A worker's share, in the order of the first numbers.
    void absorb(const Share& share) {
        examined_ += share.examined;
        conditioned_ += share.conditioned;
        if (share.rows > 0)
            output_.moveUp(share.firstRow, share.rows);
        if (!options_.tally) {
            output_.putAll(share.columns);
            return;
        }
        for (const Column& c : share.columns)
            store(c);
    }
    void cancel() { stop_ = true; }
    // A worker of a parallel run publishes into progress of its own and
    // stops on the run's cancel flag.
    void watch(const std::atomic<bool>& cancel) { cancel_ = &cancel; }

    // Drains the reduction buffer at the end of a completed run.
    void finish() {
        if (!stop_ && mode_ == PostFilter::Reduction && reduction_->size() > 0 &&
            !reduction_->reduce(
                0, [this](const Column& c) { keep(c); }, progress_.cancel))
            stop_ = true;
        publish();
    }

    bool cancelled() const { return stop_; }
    std::int64_t examined() const { return examined_; }
    std::int32_t conditioned() const { return conditioned_; }
    std::int32_t kept() const { return kept_; }

  private:
    // The kinds of development exclude each other in the set-up window; the
    // options hold them all, so an orthogonal development comes first, then
    // the difference, then the guarantee level.
    void choosePostFilter() {
        const SystemOptions& o = input_.options;
        if (o.orthogonalOn()) {
            mode_ = PostFilter::Orthogonal;
        } else if (o.differenceOn()) {
            mode_ = PostFilter::Difference;
            index_ = SubsetIndex(6 - o.difference());
        } else if (o.developmentLevel >= 2 && o.coverage >= kDefaultCoverage) {
            mode_ = PostFilter::Reduction;
            reduction_.emplace(std::min(o.developmentLevel, 5));
            index_ = SubsetIndex(reduction_->sharedToBeClose());
        }
        // Filter columns make a candidate dearer: one tenth of them joins the weight.
        weight_ = (options_.tally ? 5 : 0) + (mode_ == PostFilter::Orthogonal ? 500 : 0) +
                  static_cast<int>((families_.filterEntries() + 5) / 10);
    }

    // Checks that only pass or reject run on the prefix at their own level;
    // the last position runs every other one.
    void sortChecks() {
        for (const PlanCheck& c : plan_.checks()) {
            const Check check{c.input, c.table.data()};
            if (c.prunes)
                levelChecks_[static_cast<std::size_t>(c.level)].push_back(check);
            else
                innerChecks_.push_back(check);
        }
        lastChecks_ = innerChecks_;
        lastChecks_.insert(lastChecks_.end(), levelChecks_[5].begin(), levelChecks_[5].end());
        ids_.resize(lastChecks_.size());
        batchIds_.resize(lastChecks_.size() * kMaxNumber);
        int counting = 0;
        for (const Check& c : lastChecks_) {
            const std::size_t size = static_cast<std::size_t>(inputTableSize(c.input));
            counting +=
                std::any_of(c.table, c.table + size, [](std::uint16_t id) { return id > kReject; });
            std::vector<int>& below = passesBelow_.emplace_back(size + 1, 0);
            for (std::size_t v = 0; v < size; ++v)
                below[v + 1] = below[v] + (c.table[v] == kPass);
            const auto [span, arg] =
                below.back() > 0 ? spanOf(c.input) : std::pair{Span::Unknown, 0};
            spans_.push_back(span);
            spanArgs_.push_back(arg);
        }
        oneCounts_ = counting == 1;
    }

    // Whether every completion's value of last check k passes with nothing
    // to count: the values lie between those of the smallest and the
    // largest last number, and when all of them pass the check's loop is spared.
    bool settles(std::size_t k, int first, int final) const {
        const Prefix& s = prefix_[4];
        const int arg = spanArgs_[k];
        int lo = 0, hi = 0;
        switch (spans_[k]) {
        case Span::Unknown:
            return false;
        case Span::Sum:
            lo = s.sum + first, hi = s.sum + final;
            break;
        case Span::FromPosition: {
            const int from = arg < 0 ? 0 : number_[static_cast<std::size_t>(arg)];
            lo = first - from, hi = final - from;
            break;
        }
        case Span::Additive:
            lo = s.additive[static_cast<std::size_t>(arg)] + plan_.additiveMin(arg);
            hi = s.additive[static_cast<std::size_t>(arg)] + plan_.additiveMax(arg);
            break;
        case Span::Prefix:
            lo = hi = in_[arg];
            break;
        }
        const std::vector<int>& below = passesBelow_[k];
        const int top = static_cast<int>(below.size()) - 2;
        if (lo < 0 || hi > top)
            return false;
        return below[static_cast<std::size_t>(hi) + 1] - below[static_cast<std::size_t>(lo)] ==
               hi - lo + 1;
    }

    // How the values of check `input` run over a prefix's completions, and
    // what settles() reads for it.
    std::pair<Span, int> spanOf(int input) const {
        if (input == kSum)
            return {Span::Sum, 0};
        if (input == kExtreme)
            return {Span::FromPosition, 0};
        if (input == kPosition1 + 4)
            return {Span::FromPosition, -1};
        if (input >= kAdditive1 && input < kAdditive1 + kAdditiveCount)
            return {Span::Additive, input - kAdditive1};
        if (input >= kBetween1 && inputLevel(input) == 5)
            return {Span::FromPosition, betweenPair(input - kBetween1)[0] - 1};
        if (inputLevel(input) < 5)
            return {Span::Prefix, input};
        return {Span::Unknown, 0};
    }

    void findSumWindow() {
        for (const PlanCheck& c : plan_.checks()) {
            if (c.input != kSum || !std::all_of(c.table.begin(), c.table.end(),
                                                [](std::uint16_t id) { return id <= kReject; }))
                continue;
            sumWindow_ = true;
            const auto admitted = [](std::uint16_t id) { return id == kPass; };
            const auto first = std::find_if(c.table.begin(), c.table.end(), admitted);
            const auto after = std::find_if(c.table.rbegin(), c.table.rend(), admitted).base();
            // Nothing admitted leaves the window empty (1..0): no prefix reaches it.
            sumLo_ = first == c.table.end() ? 1 : static_cast<int>(first - c.table.begin());
            sumHi_ = static_cast<int>(after - c.table.begin()) - 1;
        }
    }

    template <int P> void descend(int start, int placedFixed) {
        const int rest = 5 - P;
        const int fixedCount = static_cast<int>(fixedAt_.size());
        int lo = start;
        int hi = static_cast<int>(list_.size()) - 1 - rest;
        if (placedFixed < fixedCount) {
            const int next = fixedAt_[static_cast<std::size_t>(placedFixed)];
            hi = std::min(hi, next);
            if (fixedCount - placedFixed > rest)
                lo = next;
        }
        if constexpr (P == 1) {
            lo = std::max(lo, firstLo_);
            hi = std::min(hi, firstHi_);
        }
        if constexpr (P == 5) {
            if (!tracks_ && mode_ == PostFilter::Store && !options_.calculateOnly &&
                !options_.tally) {
                storeRun(lo, hi);
                return;
            }
            if (tracks_) {
                batch(lo, hi);
                return;
            }
        }
        for (int i = lo; i <= hi && !stop_; ++i) {
            const bool isFixed =
                placedFixed < fixedCount && i == fixedAt_[static_cast<std::size_t>(placedFixed)];
            const int placed = placedFixed + isFixed;
            number_[P - 1] = list_[static_cast<std::size_t>(i)];
            if (tracks_ && (!place<P>() || !sumReachable<P>(i) || !withinCuts<P>())) {
                skip(subtree(i, rest, fixedCount - placed));
                continue;
            }
            if constexpr (P == 5)
                candidate();
            else
                descend<P + 1>(i + 1, placed);
        }
    }

    // The last position of a complete prefix: every check runs over all the
    // completions at once, each in a loop of its own without branches; the
    // candidates are then taken in order.
    void batch(int lo, int hi) {
        if (sumWindow_)
            narrowToSumWindow(lo, hi);
        if (hi < lo)
            return;
        const int m = hi - lo + 1;
        const int* last = list_.data() + lo;
        // Only the first m entries are used: zeroing them beats clearing all.
        Verdicts acc;
        std::fill_n(acc.begin(), m, std::uint16_t{0});
        checkCompletions(last, m, acc);
        examined_ += m;
        work_ += static_cast<std::int64_t>(m) * (1 + weight_);
        if (!takeCompletions(last, m, acc))
            return;
        if (work_ > kRefreshWork)
            refresh();
    }

    // Completions whose sum leaves the window are refused by the sum table anyway.
    void narrowToSumWindow(int& lo, int& hi) {
        const int from = lo, to = hi;
        while (lo <= hi && prefix_[4].sum + list_[static_cast<std::size_t>(lo)] < sumLo_)
            ++lo;
        while (hi >= lo && prefix_[4].sum + list_[static_cast<std::size_t>(hi)] > sumHi_)
            --hi;
        skip(std::max(0, to - from + 1) - std::max(0, hi - lo + 1));
    }

    // Every check not already run on the prefix, over all the completions at
    // once: one loop without branches per check.
    void checkCompletions(const int* last, int m, Verdicts& acc) {
        settled_ = 0;
        const Prefix& s = prefix_[4];
        const int c1 = number_[0], c4 = number_[3];
        for (std::size_t k = 0; k < lastChecks_.size(); ++k) {
            const Check& check = lastChecks_[k];
            const std::uint16_t* t = check.table;
            std::uint16_t* ids = batchIds_.data() + k * kMaxNumber;
            if (spans_[k] != Span::Unknown && settles(k, last[0], last[m - 1])) {
                settled_ |= std::uint64_t{1} << k;
                continue;
            }
            auto each = [&](auto input) {
                if (counts_) {
                    for (int j = 0; j < m; ++j) {
                        ids[j] = t[input(last[j])];
                        acc[static_cast<std::size_t>(j)] |= ids[j];
                    }
                } else {
                    for (int j = 0; j < m; ++j)
                        acc[static_cast<std::size_t>(j)] |= t[input(last[j])];
                }
            };
            auto info = [this](int n) -> const CandidatePlan::NumberInfo& {
                return plan_.number(n);
            };
            switch (check.input) {
            case kKey: {
                const std::uint32_t key = s.key;
                each([&](int n) {
                    return key | std::uint32_t{info(n).even} << 4 | keyGapBits(n - c4) << 11;
                });
                break;
            }
            case kGemelli:
                each([&](int n) { return std::popcount(s.gaps | std::uint64_t{1} << (n - c4)); });
                break;
            case kDecades:
                each([&](int n) { return std::popcount(s.decades | info(n).decadeBit); });
                break;
            case kUnits:
                each([&](int n) { return std::popcount(s.units | info(n).unitBit); });
                break;
            case kRankUp: {
                const int rank = info(c4).rank + 1;
                each([&](int n) { return s.rankUp | std::uint32_t{info(n).rank == rank} << 3; });
                break;
            }
            case kSum:
                each([&](int n) { return s.sum + n; });
                break;
            case kExtreme:
                each([&](int n) { return n - c1; });
                break;
            case kMinGap:
                each([&](int n) { return std::min(s.minGap, n - c4); });
                break;
            case kMaxGap:
                each([&](int n) { return std::max(s.maxGap, n - c4); });
                break;
            case kPosition1 + 4:
                each([](int n) { return n; });
                break;
            default:
                if (check.input >= kAdditive1 && check.input < kAdditive1 + kAdditiveCount) {
                    const int k = check.input - kAdditive1;
                    const PerNumber& values = plan_.additive(k);
                    const std::int32_t sum = s.additive[static_cast<std::size_t>(k)];
                    each([&](int n) {
                        return tableIndex(sum + values[static_cast<std::size_t>(n)]);
                    });
                } else if (inputLevel(check.input) == 5) {
                    const int from = number_[static_cast<std::size_t>(
                        betweenPair(check.input - kBetween1)[0] - 1)];
                    each([&](int n) { return n - from; });
                } else {
                    const std::uint16_t id = t[in_[check.input]];
                    for (int j = 0; j < m; ++j) {
                        ids[j] = id;
                        acc[static_cast<std::size_t>(j)] |= id;
                    }
                }
                break;
            }
        }
    }

    // The completions in order: stored at once when nothing is counted,
    // judged one by one otherwise. False when the run must stop.
    bool takeCompletions(const int* last, int m, const Verdicts& acc) {
        const bool clean = plan_.cleanPass();
        // The families judge all the last numbers the tables leave at once;
        // only those they cannot settle go through them one by one.
        FamilyChecks::Completions f;
        NumberSet open = 0;
        std::uint16_t counted = kPass;
        for (int j = 0; j < m; ++j) {
            const std::uint16_t a = acc[static_cast<std::size_t>(j)];
            open |= a & kReject ? 0 : NumberSet{1} << last[j];
            counted |= a & kReject ? kPass : a;
        }
        NumberSet slow = 0;
        if (!families_.empty()) {
            f = families_.completions(current(), open);
            slow = open & f.possible & ~f.clean;
        }
        // A plain list takes a prefix's passing columns in one go.
        const bool inOneGo =
            mode_ == PostFilter::Store && !options_.calculateOnly && !options_.tally;
        std::array<int, kMaxNumber> passing;
        int k = 0;
        if (counted == kPass && slow == 0 && inOneGo) {
            if (clean)
                for (int j = 0; j < m; ++j) {
                    passing[static_cast<std::size_t>(k)] = last[j];
                    k += acc[static_cast<std::size_t>(j)] == kPass && (f.possible >> last[j] & 1);
                }
        } else {
            for (int j = 0; j < m; ++j) {
                const std::uint16_t a = acc[static_cast<std::size_t>(j)];
                if (a & kReject || !(f.possible >> last[j] & 1))
                    continue;
                number_[4] = last[j];
                const bool accepted = f.clean >> last[j] & 1 ? (a == kPass   ? clean
                                                                : oneCounts_ ? plan_.judgeOne(a)
                                                                             : judgeBatched(j))
                                                             : acceptBatched(a, j);
                if (!accepted)
                    continue;
                if (inOneGo) {
                    passing[static_cast<std::size_t>(k++)] = last[j];
                    continue;
                }
                ++conditioned_;
                if (!options_.calculateOnly)
                    postFilter(current());
                if (stop_)
                    return false;
            }
        }
        if (k > 0) {
            output_.putRun(current(), passing.data(), k);
            conditioned_ += k;
        }
        return true;
    }

    // Whether some completion of the prefix ending at list index i can have
    // an admitted sum: the smallest completion takes the next numbers, the
    // largest the last ones.
    template <int P> bool sumReachable(int i) const {
        if constexpr (P == 5) {
            return true;
        } else {
            if (!sumWindow_)
                return true;
            const int rest = 5 - P;
            const std::size_t k = list_.size();
            const int smallest = listSum_[static_cast<std::size_t>(i) + 1 + rest] -
                                 listSum_[static_cast<std::size_t>(i) + 1];
            const int largest = listSum_[k] - listSum_[k - static_cast<std::size_t>(rest)];
            const int sum = prefix_[P].sum;
            return sum + smallest <= sumHi_ && sum + largest >= sumLo_;
        }
    }

    // Every pass-or-reject check on a value that the prefix already bounds:
    // when no admitted value lies between the bounds, no completion passes.
    void findCuts() {
        for (const PlanCheck& c : plan_.checks()) {
            const bool bounded = c.input == kMinGap || c.input == kMaxGap || c.input == kDecades ||
                                 c.input == kUnits || c.input == kExtreme ||
                                 (c.input >= kAdditive1 && c.input < kAdditive1 + kAdditiveCount);
            if (!bounded || !std::all_of(c.table.begin(), c.table.end(),
                                         [](std::uint16_t id) { return id <= kReject; }))
                continue;
            Cut cut{c.input, std::vector<int>(c.table.size() + 1, 0)};
            for (std::size_t v = 0; v < c.table.size(); ++v)
                cut.admittedBelow[v + 1] = cut.admittedBelow[v] + (c.table[v] == kPass);
            cuts_.push_back(std::move(cut));
        }
    }

    template <int P> bool withinCuts() {
        if constexpr (P == 1 || P == 5) {
            return true;
        } else {
            const Prefix& s = prefix_[P];
            const int rest = 5 - P;
            for (Cut& cut : cuts_) {
                int lo = 0, hi = 0;
                switch (cut.input) {
                case kMinGap: // the smallest gap can only shrink
                    lo = 1, hi = s.minGap;
                    break;
                case kMaxGap:
                    lo = s.maxGap, hi = kMaxNumber;
                    break;
                case kDecades:
                    lo = std::popcount(s.decades), hi = lo + rest;
                    break;
                case kUnits:
                    lo = std::popcount(s.units), hi = lo + rest;
                    break;
                case kExtreme: // the last number lies at least `rest` above this one
                    lo = number_[P - 1] - number_[0] + rest;
                    hi = list_.back() - number_[0];
                    break;
                default: { // a sum of per-number values: each number still to come adds one
                    const int k = cut.input - kAdditive1;
                    lo = s.additive[static_cast<std::size_t>(k)] + rest * plan_.additiveMin(k);
                    hi = s.additive[static_cast<std::size_t>(k)] + rest * plan_.additiveMax(k);
                    break;
                }
                }
                if (!cut.admits(lo, hi)) {
                    ++cut.refused;
                    return false;
                }
            }
            return true;
        }
    }

    // What last check k gave completion j: a check settled on the prefix passes.
    std::uint16_t batchId(std::size_t k, int j) const {
        return settled_ >> k & 1 ? kPass : batchIds_[k * kMaxNumber + static_cast<std::size_t>(j)];
    }

    // A candidate of the batch whose checks counted something.
    bool judgeBatched(int j) {
        int found = 0;
        std::uint16_t single = kPass;
        for (std::size_t k = 0; k < lastChecks_.size(); ++k) {
            const std::uint16_t id = batchId(k, j);
            ids_[k] = id;
            if (id != kPass) {
                single = id;
                ++found;
            }
        }
        return found == 1 ? plan_.judgeOne(single)
                          : plan_.judge(ids_.data(), static_cast<int>(lastChecks_.size()));
    }

    // A candidate of the batch that the family checks also judge.
    bool acceptBatched(std::uint16_t a, int j) {
        if (a == kPass)
            return withFamilies(nullptr, 0, true);
        const std::size_t n = lastChecks_.size();
        for (std::size_t k = 0; k < n; ++k)
            ids_[k] = batchId(k, j);
        return withFamilies(ids_.data(), static_cast<int>(n), false);
    }

    // The family checks of the complete candidate, then the link, quadro and
    // level judgement over every effect, then the AND/OR quadri.
    bool withFamilies(const std::uint16_t* tableIds, int count, bool tablesClean) {
        const Column c = current();
        familyIds_.clear();
        if (!families_.collect(c, familyIds_))
            return false;
        bool ok;
        if (familyIds_.empty()) {
            ok = tablesClean ? plan_.cleanPass() : plan_.judge(tableIds, count);
        } else {
            familyIds_.insert(familyIds_.end(), tableIds, tableIds + count);
            ok = plan_.judge(familyIds_.data(), static_cast<int>(familyIds_.size()));
        }
        return ok && !families_.andOrDiscards(c);
    }

    // Every completion of the prefix by the last position goes straight to the list.
    void storeRun(int lo, int hi) {
        if (hi < lo)
            return;
        const int n = hi - lo + 1;
        output_.putRun(current(), list_.data() + lo, n);
        examined_ += n;
        conditioned_ += n;
        work_ += static_cast<std::int64_t>(n) * (1 + weight_);
        if (work_ > kRefreshWork)
            refresh();
    }

    std::int64_t subtree(int index, int rest, int fixedLeft) const {
        const int free = static_cast<int>(list_.size()) - 1 - index - fixedLeft;
        return binomial(free, rest - fixedLeft);
    }

    void skip(std::int64_t candidates) {
        examined_ += candidates;
        work_ += candidates * (1 + weight_);
        if (work_ > kRefreshWork)
            refresh();
    }

    Column current() const {
        Column c;
        for (int p = 0; p < kColumnSize; ++p)
            c[static_cast<std::size_t>(p)] =
                static_cast<std::uint8_t>(number_[static_cast<std::size_t>(p)]);
        return c;
    }

    bool fromScratch(const Column& row) {
        for (int p = 0; p < kColumnSize; ++p)
            number_[static_cast<std::size_t>(p)] = row[static_cast<std::size_t>(p)];
        return place<1>() && place<2>() && place<3>() && place<4>() && place<5>();
    }

    // Builds the state of position P and runs the checks known there.
    template <int P> bool place() {
        const int n = number_[P - 1];
        const CandidatePlan::NumberInfo& info = plan_.number(n);
        Prefix& s = prefix_[P];
        const Prefix& b = prefix_[P - 1];
        if (key_)
            s.key = b.key | static_cast<std::uint32_t>(info.even) << (P - 1);
        if (sums_)
            s.sum = b.sum + n;
        for (int k = 0; k < additives_; ++k)
            s.additive[static_cast<std::size_t>(k)] =
                b.additive[static_cast<std::size_t>(k)] +
                plan_.additive(k)[static_cast<std::size_t>(n)];
        if (decades_)
            s.decades = b.decades | info.decadeBit;
        if (units_)
            s.units = b.units | info.unitBit;
        if constexpr (P == 1) {
            s.rankUp = 0;
            s.minGap = kMaxNumber;
            s.maxGap = 0;
            s.gaps = 0;
        } else {
            const int before = number_[P - 2];
            const int gap = n - before;
            if (key_)
                s.key |= keyGapBits(gap) << (5 + 2 * (P - 2));
            if (rank_)
                s.rankUp = b.rankUp |
                           static_cast<std::uint32_t>(info.rank == plan_.number(before).rank + 1)
                               << (P - 2);
            if (gaps_) {
                s.minGap = std::min(b.minGap, gap);
                s.maxGap = std::max(b.maxGap, gap);
                s.gaps = b.gaps | std::uint64_t{1} << gap;
            }
        }
        if (placesPositions_) {
            in_[kPosition1 + P - 1] = n;
            for (int pair : kPairsEndingAt[P]) {
                if (pair < 0)
                    break;
                in_[kBetween1 + pair] =
                    n - number_[static_cast<std::size_t>(betweenPair(pair)[0] - 1)];
            }
        }
        for (Check& c : levelChecks_[P])
            if (c.table[in_[c.input]] == kReject) {
                ++c.refused;
                return false;
            }
        return true;
    }

    bool passes() {
        if (innerChecks_.empty())
            return families_.empty() ? plan_.cleanPass() : withFamilies(nullptr, 0, true);
        const Prefix& s = prefix_[5];
        const std::uint32_t needs = plan_.needs();
        in_[kKey] = static_cast<int>(s.key);
        if (needs & (1u << kGemelli))
            in_[kGemelli] = std::popcount(s.gaps);
        if (decades_)
            in_[kDecades] = std::popcount(s.decades);
        if (units_)
            in_[kUnits] = std::popcount(s.units);
        in_[kRankUp] = static_cast<int>(s.rankUp);
        in_[kSum] = s.sum;
        for (int k = 0; k < additives_; ++k)
            in_[kAdditive1 + k] = tableIndex(s.additive[static_cast<std::size_t>(k)]);
        in_[kExtreme] = number_[4] - number_[0];
        in_[kMinGap] = s.minGap;
        in_[kMaxGap] = s.maxGap;
        std::uint32_t any = 0;
        const std::size_t n = innerChecks_.size();
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint16_t id = innerChecks_[i].table[in_[innerChecks_[i].input]];
            ids_[i] = id;
            any |= id;
        }
        if (any & kReject)
            return false;
        if (!families_.empty())
            return withFamilies(ids_.data(), static_cast<int>(n), any == kPass);
        if (any == kPass)
            return plan_.cleanPass();
        return plan_.judge(ids_.data(), static_cast<int>(n));
    }

    void candidate() {
        ++examined_;
        work_ += 1 + weight_;
        if (passes()) {
            ++conditioned_;
            if (!options_.calculateOnly)
                postFilter(current());
        }
        if (work_ > kRefreshWork)
            refresh();
    }

    void postFilter(const Column& c) {
        switch (mode_) {
        case PostFilter::Store:
            store(c);
            return;
        case PostFilter::Orthogonal:
            if (options_.orthogonal)
                options_.orthogonal->take(c, input_.options.guaranteeKind);
            keep(c);
            return;
        case PostFilter::Difference:
            if (!index_.sharesWithAny(c))
                keep(c);
            return;
        case PostFilter::Reduction:
            if (kept_ > 0 && index_.sharesWithAny(c))
                return;
            reduction_->add(c);
            if (reduction_->full() && !reduction_->reduce(
                                          StreamingReduction::kLowMark,
                                          [this](const Column& k) { keep(k); }, progress_.cancel))
                stop_ = true;
            return;
        }
    }

    void keep(const Column& c) {
        ++kept_;
        // Only the columns held in memory are compared with later candidates.
        if (output_.holdsInMemory() && mode_ != PostFilter::Store &&
            mode_ != PostFilter::Orthogonal)
            index_.insert(c);
        store(c);
    }

    void store(const Column& c) {
        output_.put(c);
        if (options_.tally)
            tally(c);
    }

    void tally(const Column& c) {
        input_.distribution->tally(c, options_.context);
        const ConditionFamilies& f = *input_.families;
        input_.familyDistribution->tally(
            c, {options_.context, f.sequele, *input_.delayTables, f.sums, f.picchetti, f.andOr});
    }

    void publish() {
        progress_.done.store(examined_, std::memory_order_relaxed);
        progress_.conditioned.store(conditioned_, std::memory_order_relaxed);
        progress_.kept.store(kept_, std::memory_order_relaxed);
        progress_.inMemory.store(output_.inMemory(), std::memory_order_relaxed);
    }

    void refresh() {
        work_ = 0;
        // The checks that cut most prefixes go first: each costs one look,
        // and which one cuts a prefix changes nothing else.
        auto mostRefused = [](const auto& a, const auto& b) { return a.refused > b.refused; };
        for (std::vector<Check>& checks : levelChecks_)
            std::stable_sort(checks.begin(), checks.end(), mostRefused);
        std::stable_sort(cuts_.begin(), cuts_.end(), mostRefused);
        publish();
        if (cancel_->load(std::memory_order_relaxed))
            stop_ = true;
    }

    const RunInput& input_;
    const ColumnStore& columns_;
    const RunOptions& options_;
    RunProgress& progress_;
    const std::atomic<bool>* cancel_ = &progress_.cancel;
    CandidatePlan& plan_;
    const FamilyChecks& families_;
    std::vector<std::uint16_t> familyIds_;
    ColumnOutput& output_;
    PostFilter mode_ = PostFilter::Store;
    std::optional<StreamingReduction> reduction_;
    SubsetIndex index_;
    int weight_ = 0;
    bool tracks_ = true;
    bool placesPositions_ = false;
    bool stop_ = false;

    struct Cut {
        int input;
        std::vector<int> admittedBelow; // [v]: admitted values under v
        std::int64_t refused = 0;
        bool admits(int lo, int hi) const {
            const int top = static_cast<int>(admittedBelow.size()) - 1;
            lo = std::clamp(lo, 0, top);
            hi = std::clamp(hi + 1, 0, top);
            return hi > lo && admittedBelow[static_cast<std::size_t>(hi)] >
                                  admittedBelow[static_cast<std::size_t>(lo)];
        }
    };
    std::vector<Cut> cuts_;
    std::vector<int> list_;
    std::vector<int> listSum_; // listSum_[i]: sum of the first i chosen numbers
    // A "Somma totale" that only admits or refuses: the admitted values lie in sumLo_..sumHi_.
    bool sumWindow_ = false;
    int sumLo_ = 0, sumHi_ = -1;
    bool counts_ = false;
    std::vector<int> fixedAt_;
    int firstLo_ = 0, firstHi_ = INT32_MAX; // list indices the first number may take
    std::array<std::vector<Check>, 6> levelChecks_;
    std::vector<Check> innerChecks_;
    std::vector<Check> lastChecks_; // every check not already tested on the prefix
    std::vector<std::uint16_t> ids_;
    std::vector<std::uint16_t> batchIds_; // per check of the last position, per completion
    // Per check of the last position, [v]: the values under v that pass with nothing to count.
    std::vector<std::vector<int>> passesBelow_;
    std::vector<Span> spans_;
    std::vector<int> spanArgs_;
    static_assert(kInputCount <= 64, "a check per input, a bit per check");
    std::uint64_t settled_ = 0; // checks of the last position settled on the current prefix
    // Only one check of the last position counts anything, the others pass
    // or refuse: a completion's or-ed verdicts are that check's effect.
    bool oneCounts_ = false;
    std::array<Prefix, 6> prefix_{};
    std::array<int, kInputCount> in_{};
    // Ints, not bytes: a byte store may alias anything and would make the
    // compiler reload the whole state after each number placed.
    std::array<int, kColumnSize> number_{};
    // Which parts of the incremental state some check reads.
    bool key_ = false, sums_ = false, decades_ = false, units_ = false, rank_ = false,
         gaps_ = false;
    int additives_ = 0;

    std::int64_t examined_ = 0;
    std::int64_t work_ = 0;
    std::int32_t conditioned_ = 0;
    std::int32_t kept_ = 0;
};

// Threads for a development of the chosen numbers: one when the result
// depends on the order in which columns are accepted, as the post-filter
// choice of the runner reads the options.
int threadsFor(const RunInput& input, const RunOptions& options, std::int64_t candidates) {
    const SystemOptions& o = input.options;
    const bool ordered = o.orthogonalOn() || o.differenceOn() ||
                         (o.developmentLevel >= 2 && o.coverage >= kDefaultCoverage);
    if (ordered || input.chosen.size() <= kColumnSize)
        return 1;
    if (options.threads > 0)
        return options.threads;
    // Below this a thread costs more than it saves.
    constexpr std::int64_t kWorthThreads = 50000;
    return candidates < kWorthThreads
               ? 1
               : std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

// The chosen numbers developed by `threads` workers, each with a plan of its
// own (the plans and family checks keep state between candidates). A worker
// takes the next first number still free, so the large subtrees of the low
// first numbers spread over the workers; the shares then go to `main` in
// the order of their first numbers, which gives the list and the counts of
// a single-threaded run.
void developInParallel(const RunInput& input, const PlanInputs& inputs, ColumnStore& columns,
                       const RunOptions& options, RunProgress& progress, int threads,
                       Runner& main) {
    const auto firsts = input.chosen.size() - (kColumnSize - 1);
    std::vector<Share> shares(firsts);
    // When every candidate fits in the list after the preset rows, each
    // share writes into rows of its own, as many as its candidates, and the
    // merge only moves them up: no copy aside, no memory to fault in.
    std::int64_t row = options.presetColumns;
    for (std::size_t i = 0; i < firsts; ++i) {
        shares[i].firstRow = static_cast<std::int32_t>(row) + 1;
        row += binomial(static_cast<int>(input.chosen.size() - 1 - i), kColumnSize - 1);
    }
    const bool inPlace = !options.tally && !options.calculateOnly &&
                         row <= std::min(options.memoryRows, columns.capacity());
    struct Worker {
        CandidatePlan plan;
        FamilyChecks families;
        RunProgress live;
        explicit Worker(const PlanInputs& in) : plan(in), families(plan, in) {}
    };
    std::vector<std::unique_ptr<Worker>> workers;
    for (int t = 0; t < threads; ++t)
        workers.push_back(std::make_unique<Worker>(inputs));
    RunOptions own = options;
    own.tally = false;
    own.presetColumns = 0;
    std::atomic<std::size_t> next{0};
    auto work = [&](Worker& w) {
        for (std::size_t i = next++; i < firsts && !progress.cancelled(); i = next++) {
            Share& share = shares[i];
            const std::int32_t end =
                i + 1 < firsts ? shares[i + 1].firstRow - 1 : static_cast<std::int32_t>(row);
            ColumnOutput out = inPlace ? ColumnOutput(columns, share.firstRow - 1, end, {})
                                       : ColumnOutput(share.columns);
            Runner r(input, columns, own, w.live, w.plan, w.families, out);
            r.watch(progress.cancel);
            r.enumerate(input.chosen, input.fixed, static_cast<int>(i));
            r.finish();
            share.rows = inPlace ? out.inMemory() - (share.firstRow - 1) : 0;
            share.examined = r.examined();
            share.conditioned = r.conditioned();
            progress.done += share.examined;
            progress.conditioned += share.conditioned;
        }
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < threads; ++t)
        pool.emplace_back(work, std::ref(*workers[static_cast<std::size_t>(t)]));
    work(*workers[0]);
    for (std::thread& t : pool)
        t.join();
    if (progress.cancelled()) {
        main.cancel();
        return;
    }
    progress.done = 0;
    progress.conditioned = 0;
    for (Share& share : shares) {
        main.absorb(share);
        share = Share{};
    }
}

// "Mescola le Colonne dello Sviluppo:" mixes the rows the run put in memory;
// preset rows stay first and columns in the overflow file keep their order.
void shuffleRows(ColumnStore& columns, std::int32_t first, std::int32_t last) {
    std::mt19937 random(std::random_device{}());
    for (std::int32_t i = last; i > first; --i) {
        const std::int32_t j = std::uniform_int_distribution<std::int32_t>(first, i)(random);
        for (int p = 1; p <= kColumnSize; ++p)
            std::swap(columns.plane(p)[i], columns.plane(p)[j]);
    }
}

void resetCounts(RunProgress& progress) {
    progress.done = 0;
    progress.conditioned = 0;
    progress.kept = 0;
    progress.inMemory = 0;
}

// The kind of development as the run's end text names it.
RunResult describedResult(const SystemOptions& o) {
    RunResult result;
    result.description =
        std::max(1, o.developmentLevel) >= 2 && !o.orthogonalOn() && !o.differenceOn()
            ? "Sistema Cond. + Rid."
            : "Sistema Condizionato";
    if (o.differenceOn())
        result.differenceText = "Differ. tra Colonne:" + std::to_string(o.difference());
    return result;
}

// A cancelled or failed run leaves the column list empty.
RunResult dropped(RunResult result, ColumnOutput& output, ColumnStore& columns) {
    output.discard();
    columns.clear();
    return result;
}

// The counts of a completed run; the rows it put in memory are mixed when asked.
void takeCounts(RunResult& result, const Runner& runner, const ColumnOutput& output,
                const RunOptions& options) {
    result.examined = runner.examined();
    result.conditioned = runner.conditioned();
    result.kept = runner.kept();
    result.inMemory = output.inMemory();
    result.total = output.total();
    // Calculate-only counts without storing: the final count tells how many
    // columns passed, while the list and its counters keep only what it holds.
    result.finalCount = options.calculateOnly ? result.conditioned : result.total;
}

// Hands the runner its candidates; a development of the chosen numbers may
// also split them over threads.
using Source = std::function<void(Runner&, const PlanInputs&, const RunOptions&)>;

RunResult run(const RunInput& input, ColumnStore& columns, const RunOptions& options,
              RunProgress& progress, std::int64_t candidates, const Source& source) {
    RunResult result = describedResult(input.options);
    resetCounts(progress);
    progress.total = candidates;

    const PlanInputs inputs{input.conditions, input.links,    input.quadri,     input.levels,
                            options.context,  input.families, input.delayTables};
    CandidatePlan plan(inputs);
    const FamilyChecks families(plan, inputs);

    RunOptions effective = options;
    effective.presetColumns = std::clamp(options.presetColumns, 0, columns.capacity());
    ColumnOutput output(columns, effective.presetColumns, options.memoryRows, input.overflowFile);
    std::string error;
    if (!output.open(error)) {
        result.failure = Notice{"Sviluppo:", {error}};
        return result;
    }
    if (options.tally) {
        input.distribution->clear();
        input.familyDistribution->clear();
    }

    Runner runner(input, columns, effective, progress, plan, families, output);
    runner.startWithPreset();
    source(runner, inputs, effective);
    runner.finish();

    if (runner.cancelled()) {
        resetCounts(progress);
        result.cancelled = true;
        return dropped(std::move(result), output, columns);
    }
    if (!output.close()) {
        result.failure =
            Notice{"Sviluppo:", {"Impossibile scrivere il file qor/qor.qor", "(disco pieno?)"}};
        return dropped(std::move(result), output, columns);
    }
    takeCounts(result, runner, output, options);
    if (input.shuffle)
        shuffleRows(columns, effective.presetColumns + 1, result.inMemory);
    return result;
}

} // namespace

RunResult developNumbers(const RunInput& input, ColumnStore& columns, const RunOptions& options,
                         RunProgress& progress) {
    const std::vector<int>& chosen = input.chosen;
    const std::vector<int>& fixed = input.fixed;
    const auto free = static_cast<int>(chosen.size() - fixed.size());
    const std::int64_t candidates =
        chosen.size() < kColumnSize ? 0
                                    : binomial(free, kColumnSize - static_cast<int>(fixed.size()));
    const int threads = threadsFor(input, options, candidates);
    return run(input, columns, options, progress, candidates,
               [&](Runner& r, const PlanInputs& inputs, const RunOptions& effective) {
                   if (threads > 1)
                       developInParallel(input, inputs, columns, effective, progress, threads, r);
                   else
                       r.enumerate(chosen, fixed);
               });
}

RunResult developRows(const RunInput& input, const std::vector<Column>& source,
                      ColumnStore& columns, const RunOptions& options, RunProgress& progress) {
    for (std::size_t i = 0; i < source.size(); ++i) {
        const Column& c = source[i];
        bool valid = c[0] >= 1 && c[4] <= kMaxNumber;
        for (int p = 1; p < kColumnSize; ++p)
            valid = valid && c[static_cast<std::size_t>(p - 1)] < c[static_cast<std::size_t>(p)];
        if (!valid) {
            RunResult r;
            r.failure = Notice{"Sviluppo:",
                               {"Le colonne da sviluppare non sono valide:",
                                "(colonna " + std::to_string(i + 1) + ")"}};
            return r;
        }
    }
    return run(input, columns, options, progress, static_cast<std::int64_t>(source.size()),
               [&](Runner& r, const PlanInputs&, const RunOptions&) { r.table(source); });
}

void tallyStoredColumns(const ColumnStore& columns, const MetricContext& context,
                        DistributionTable& table) {
    table.clear();
    for (std::int32_t i = 1; i <= columns.storedCount; ++i)
        table.tally(columns.column(i), context);
}

} // namespace varnelo

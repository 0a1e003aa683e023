#include "engine/FamilyStages.h"

#include "conditions/Baricentre.h"
#include "conditions/DigitConditions.h"
#include "conditions/FamilySlotMetric.h"
#include "conditions/ParityPatterns.h"
#include "conditions/Remainders.h"
#include "conditions/SlotMetric.h"
#include "engine/FamilyChecks.h"

#include <array>

namespace varnelo {

namespace {

// A column with the parities and gap kinds of a key, or false when no
// column has them (a gap of 1 joins numbers of different parity, a gap of 2
// numbers of the same parity).
bool columnOfKey(std::uint32_t key, Column& c) {
    int n = (key & 1) ? 2 : 1;
    c[0] = static_cast<std::uint8_t>(n);
    for (int k = 1; k < 5; ++k) {
        const bool evenBefore = key >> (k - 1) & 1;
        const bool even = key >> k & 1;
        const std::uint32_t kind = key >> (5 + 2 * (k - 1)) & 3;
        int gap;
        if (kind == 1)
            gap = 1;
        else if (kind == 2)
            gap = 2;
        else if (kind == 0)
            gap = even == evenBefore ? 4 : 3;
        else
            return false;
        if ((gap % 2 == 0) != (even == evenBefore))
            return false;
        n += gap;
        c[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(n);
    }
    return true;
}

// The catalogue values of every key (computed once), or -1 where no column has the key.
const std::vector<CatalogueValues>& keyValues() {
    static const std::vector<CatalogueValues> values = [] {
        std::vector<CatalogueValues> v(std::size_t{1} << kKeyBits);
        for (std::uint32_t key = 0; key < v.size(); ++key) {
            Column c;
            if (columnOfKey(key, c))
                catalogueMetrics(c, {}, v[key]);
            else
                v[key].fill(-1);
        }
        return v;
    }();
    return values;
}

// Catalogue codes that follow from parities and gap kinds alone.
bool valuedByKey(int code) {
    return (code >= 1 && code <= 30 && code != 12) || code == 41 || code == 42;
}

int rankWindows(std::uint32_t up, int width) {
    int n = 0;
    const std::uint32_t window = (1u << (width - 1)) - 1;
    for (int k = 0; k + width - 1 <= 4; ++k)
        n += (up >> k & window) == window;
    return n;
}

// A value for every number, from a rule on the number.
template <typename Rule> PerNumber perNumber(Rule rule) {
    PerNumber values{};
    for (int n = 1; n <= kMaxNumber; ++n)
        values[static_cast<std::size_t>(n)] = rule(n);
    return values;
}

// Adds a slot valued by the sum of a per-number table over the column.
void addAdditive(CandidatePlan& plan, int slot, const PerNumber& values) {
    plan.addSlot(slot, plan.additiveInput(values), [](int x) { return x; });
}

bool present(const MetricContext& ctx, int n) {
    return ctx.comparison && n >= 0 && n <= 51 &&
           (*ctx.comparison)[static_cast<std::size_t>(n)] > 0;
}

// In the order of the candidate test; the families the tables cannot carry
// follow in FamilyChecks.
constexpr std::array<FamilyStage, 5> kStages = {
    compileFamilySlots, compilePositionsAndDistances, compileSums, compileCatalogue,
    compileFamilySums,
};

} // namespace

std::span<const FamilyStage> familyStages() {
    return kStages;
}

void compilePositionsAndDistances(CandidatePlan& plan, const PlanInputs& in) {
    const ConditionSet& set = in.conditions;
    auto same = [](int x) { return x; };
    for (int p = 1; p <= 5; ++p)
        if (set.isActive(118 + p))
            plan.addSlot(118 + p, kPosition1 + p - 1, same);
    if (set.isActive(115))
        plan.addSlot(115, kExtreme, same);
    if (set.isActive(116))
        plan.addSlot(116, kMinGap, same);
    if (set.isActive(117))
        plan.addSlot(117, kMaxGap, same);
    if (set.isActive(118))
        plan.addSlot(118, kExtreme, [](int span) {
            Column c{1, 2, 3, 4, static_cast<std::uint8_t>(1 + span)};
            return span >= 4 ? distanceMetric(Distance::Mean, c) : -1;
        });
    for (int i = 0; i < 10; ++i)
        if (set.isActive(145 + i))
            plan.addSlot(145 + i, kBetween1 + i, same);
}

void compileSums(CandidatePlan& plan, const PlanInputs& in) {
    const ConditionSet& set = in.conditions;
    if (set.isActive(111))
        plan.addSlot(111, kSum, [](int x) { return x; });
    if (set.isActive(112))
        addAdditive(plan, 112, perNumber([](int n) { return kEven.isEven(n) ? n : 0; }));
    if (set.isActive(113))
        addAdditive(plan, 113, perNumber([](int n) { return kEven.isEven(n) ? 0 : n; }));
    if (set.isActive(114))
        addAdditive(plan, 114, perNumber([&](int n) {
                        return in.context.delays ? (*in.context.delays)[static_cast<std::size_t>(n)]
                                                 : 0;
                    }));
}

void compileCatalogue(CandidatePlan& plan, const PlanInputs& in) {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const int code = catalogueCodeOfSlot(slot);
        if (!code || !in.conditions.isActive(slot))
            continue;
        if (valuedByKey(code)) {
            const std::vector<CatalogueValues>& values = keyValues();
            plan.addSlot(slot, kKey, [&values, code](int key) {
                return static_cast<int>(
                    values[static_cast<std::size_t>(key)][static_cast<std::size_t>(code)]);
            });
            continue;
        }
        auto same = [](int x) { return x; };
        switch (code) {
        case 12:
            plan.addSlot(slot, kGemelli, same);
            break;
        case 34:
            plan.addSlot(slot, kDecades, same);
            break;
        case 40:
            plan.addSlot(slot, kUnits, same);
            break;
        case 35:
            addAdditive(plan, slot,
                        perNumber([&](int n) { return present(in.context, n) ? 1 : 0; }));
            break;
        case 36:
            addAdditive(plan, slot, perNumber([&](int n) {
                            return present(in.context, n - 1) || present(in.context, n + 1) ? 1 : 0;
                        }));
            break;
        default: // 37..39: windows of 4, 3 and 2 positions
            plan.addSlot(slot, kRankUp, [width = 41 - code](int up) {
                return rankWindows(static_cast<std::uint32_t>(up), width);
            });
            break;
        }
    }
}

void compileFamilySlots(CandidatePlan& plan, const PlanInputs& in) {
    const ConditionSet& set = in.conditions;
    for (int e = 0; e < kDigitPositionEntries; ++e)
        if (set.isActive(kDigitPositionSlot + e))
            plan.addSlot(kDigitPositionSlot + e, kPosition1 + e / 2,
                         [e](int n) { return e % 2 == 0 ? n / 10 : n % 10; });
    auto addPatterns = [&](int firstSlot, const SequelePatterns& patterns) {
        for (int k = 1; k <= kSequeleCount; ++k)
            if (set.isActive(firstSlot + k - 1))
                plan.addSlot(firstSlot + k - 1, kKey, [&patterns, k](int key) {
                    return patterns.valueOfParities(k, static_cast<unsigned>(key) & 31u);
                });
    };
    static const SequelePatterns kAnyPattern;
    addPatterns(kSequeleSlot, in.families ? in.families->sequele : kAnyPattern);
    addPatterns(kParityPatternSlot, parityPatterns());
    if (set.isActive(kBaricentreSlot))
        plan.addSlot(kBaricentreSlot, kSum, [](int sum) { return sum / kColumnSize; });
    for (int d = kFirstDivisor; d <= kLastDivisor; ++d)
        if (set.isActive(remainderSlot(d)))
            plan.addSlot(remainderSlot(d), kSum, [d](int sum) { return sum % d; });
}

void compileFamilySums(CandidatePlan& plan, const PlanInputs& in) {
    for (const FamilySum& f : familySums(in)) {
        if (!planCarries(plan, f.values) && plan.additiveCount() == kAdditiveCount)
            continue; // asked per column
        // A delay sum beyond the ambata row is not judged by it.
        const int top = f.slot == kAmbataSlot ? kAmbataMax : 254;
        plan.addSlot(f.slot, plan.additiveInput(f.values),
                     [top](int x) { return x <= top ? x : -1; });
    }
}

} // namespace varnelo

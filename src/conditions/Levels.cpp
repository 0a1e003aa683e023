#include "conditions/Levels.h"

#include <algorithm>

namespace varnelo {

LevelLimits::LevelLimits() {
    max_.fill(kNoLevelLimit);
    groupMax_.fill(kNoLevelLimit);
}

std::size_t LevelLimits::at(int i) {
    return static_cast<std::size_t>(std::clamp(i, 0, kLevelCount));
}

void LevelLimits::setMin(int level, std::int32_t value) {
    if (level >= 1 && level <= kLevelCount)
        min_[at(level)] = std::min(value, max_[at(level)]);
}

void LevelLimits::setMax(int level, std::int32_t value) {
    if (level < 1 || level > kLevelCount)
        return;
    max_[at(level)] = value;
    min_[at(level)] = std::min(min_[at(level)], value);
}

bool LevelLimits::inGroup(int level, int group) const {
    if (level < 1 || level > kLevelCount || group < 1 || group > kMixedGroupCount)
        return false;
    return member_[at(level)][static_cast<std::size_t>(group)] != 0;
}

void LevelLimits::setInGroup(int level, int group, bool on) {
    if (level >= 1 && level <= kLevelCount && group >= 1 && group <= kMixedGroupCount)
        member_[at(level)][static_cast<std::size_t>(group)] = on ? 1 : 0;
}

void LevelLimits::setGroupMin(int group, std::int32_t value) {
    if (group >= 1 && group <= kMixedGroupCount)
        groupMin_[at(group)] = std::min(value, groupMax_[at(group)]);
}

void LevelLimits::setGroupMax(int group, std::int32_t value) {
    if (group < 1 || group > kMixedGroupCount)
        return;
    groupMax_[at(group)] = value;
    groupMin_[at(group)] = std::min(groupMin_[at(group)], value);
}

bool LevelLimits::groupInUse(int group) const {
    for (int l = 1; l <= kLevelCount; ++l)
        if (inGroup(l, group))
            return true;
    return false;
}

int LevelLimits::groupsInUse() const {
    int n = 0;
    for (int g = 1; g <= kMixedGroupCount; ++g)
        n += groupInUse(g);
    return n;
}

LevelUse levelsInUse(const ConditionSet& set) {
    LevelUse use{};
    for (int s = 1; s <= kSlotCount; ++s) {
        if (!set.isActive(s))
            continue;
        std::array<bool, kLevelCount + 1> seen{};
        const ValueRange r = slotValueRange(s);
        for (int v = r.min; v <= r.max; ++v)
            if (set.effectiveStatus(s, v) == CellStatus::Recovery)
                seen[set.cell(s, v).level] = true;
        for (int l = 1; l <= kLevelCount; ++l)
            use[static_cast<std::size_t>(l)] += seen[static_cast<std::size_t>(l)];
    }
    return use;
}

LevelJudge::LevelJudge(const LevelLimits& limits, const LevelUse& use) {
    for (int l = 1; l <= kLevelCount; ++l)
        if (use[static_cast<std::size_t>(l)] > 0)
            levels_.push_back({l, limits.min(l), limits.max(l)});
    for (int g = 1; g <= kMixedGroupCount; ++g) {
        if (!limits.groupInUse(g))
            continue;
        Group group{0, limits.groupMin(g), limits.groupMax(g)};
        for (int l = 1; l <= kLevelCount; ++l)
            if (limits.inGroup(l, g))
                group.levels |= std::uint64_t{1} << l;
        groups_.push_back(group);
    }
}

bool LevelJudge::pass(const std::int32_t* counters) const {
    for (const Bound& b : levels_)
        if (counters[b.level] < b.min || counters[b.level] > b.max)
            return false;
    for (const Group& g : groups_) {
        std::int64_t sum = 0;
        for (std::uint64_t m = g.levels; m; m &= m - 1)
            sum += counters[__builtin_ctzll(m)];
        if (sum < g.min || sum > g.max)
            return false;
    }
    return true;
}

} // namespace varnelo

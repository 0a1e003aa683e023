#pragma once

#include "conditions/ConditionSet.h"

#include <array>
#include <cstdint>
#include <vector>

namespace varnelo {

inline constexpr int kMixedGroupCount = 40;
// A level the user has not limited admits any number of passes on recovery:
// a red cell means "admitted, but counted" until a limit is set.
inline constexpr std::int32_t kNoLevelLimit = 999;

// Limits of the levels window `livellazione`, saved with the system.
class LevelLimits {
  public:
    LevelLimits();

    std::int32_t min(int level) const { return min_[at(level)]; }
    std::int32_t max(int level) const { return max_[at(level)]; }
    // A Min above its Max becomes the Max; a Max below its Min pulls the Min down.
    void setMin(int level, std::int32_t value);
    void setMax(int level, std::int32_t value);

    // "Livelli Mescolati": groups 1..40 of levels with a limit on their sum.
    bool inGroup(int level, int group) const;
    void setInGroup(int level, int group, bool on);
    std::int32_t groupMin(int group) const { return groupMin_[at(group)]; }
    std::int32_t groupMax(int group) const { return groupMax_[at(group)]; }
    void setGroupMin(int group, std::int32_t value);
    void setGroupMax(int group, std::int32_t value);
    // A group is in use while it holds at least one level.
    bool groupInUse(int group) const;
    int groupsInUse() const;

    bool operator==(const LevelLimits&) const = default;

  private:
    static std::size_t at(int i);

    std::array<std::int32_t, kLevelCount + 1> min_{};
    std::array<std::int32_t, kLevelCount + 1> max_{};
    std::array<std::array<std::uint8_t, kMixedGroupCount + 1>, kLevelCount + 1> member_{};
    std::array<std::int32_t, kMixedGroupCount + 1> groupMin_{};
    std::array<std::int32_t, kMixedGroupCount + 1> groupMax_{};
};

// Per level 0..40, how many active conditions use it ("Liv. inser."); a
// level is in use when its count is above 0. Level 0 always reads 0.
using LevelUse = std::array<int, kLevelCount + 1>;
LevelUse levelsInUse(const ConditionSet& set);

// The level test compiled for a run: only the levels in use and the groups
// in use are tested.
class LevelJudge {
  public:
    LevelJudge(const LevelLimits& limits, const LevelUse& use);

    // counters: passes on recovery per level 0..40 of one column.
    bool pass(const std::int32_t* counters) const;

  private:
    struct Bound {
        int level;
        std::int32_t min, max;
    };
    struct Group {
        std::uint64_t levels; // bit L: level L belongs to the group
        std::int32_t min, max;
    };
    std::vector<Bound> levels_;
    std::vector<Group> groups_;
};

} // namespace varnelo

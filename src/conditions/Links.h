#pragma once

#include "conditions/ConditionSet.h"

#include <array>
#include <cstdint>
#include <vector>

namespace varnelo {

inline constexpr int kGroupCount = 15; // links 1..15, quadri 1..15
// The overall excess picker offers 0..2000.
inline constexpr int kOverallExcessMax = 2000;

// A (from, to) pair of a range picker.
struct RangePair {
    std::int32_t from = 0;
    std::int32_t to = 0;
    bool contains(std::int64_t v) const { return v >= from && v <= to; }
    bool operator==(const RangePair&) const = default;
};

// The pickers never leave a pair inverted: the other end follows the value chosen.
void chooseFrom(RangePair& pair, std::int32_t value);
void chooseTo(RangePair& pair, std::int32_t value);

// Membership of slots in numbered groups, the shape links and point quadri share.
class GroupTable {
  public:
    std::int16_t membership(int group, int slot) const;
    bool holds(int group, int slot) const { return membership(group, slot) > 0; }
    void setMembership(int group, int slot, std::int16_t value);

    RangePair& range(int group) { return ranges_[clampGroup(group)]; }
    const RangePair& range(int group) const { return ranges_[clampGroup(group)]; }

    bool inUse(int group) const { return inUse_[clampGroup(group)] != 0; }
    void setInUse(int group, bool on) { inUse_[clampGroup(group)] = on ? 1 : 0; }
    // Link of slot (highest link holding it) or slot-in-quadri flag; 0 = in none.
    std::uint8_t slotIndex(int slot) const;
    void setSlotIndex(int slot, std::uint8_t value);
    // Groups whose in-use flag is set.
    int groupsInUse() const;
    int slotCount(int group) const;
    // The slots of a group, ascending (grid `MSFLink2`).
    std::vector<int> slots(int group) const;

    // "Elimina": flag, membership and range of the group become 0.
    void erase(int group);
    // Slots out of play leave every group, in-use flags follow membership,
    // groups in use move down to 1..N without gaps.
    void tidy(const ConditionSet& set);
    // Slot index and in-use flags from membership; a slot gets the highest
    // group that holds it, or 1 when `flagOnly`.
    void recompute(bool flagOnly);

    bool operator==(const GroupTable&) const = default;

  private:
    static std::size_t clampGroup(int group);

    std::array<std::array<std::int16_t, kSlotCount + 1>, kGroupCount + 1> membership_{};
    std::array<RangePair, kGroupCount + 1> ranges_{};
    std::array<std::uint8_t, kGroupCount + 1> inUse_{};
    std::array<std::uint8_t, kSlotCount + 1> slotIndex_{};
};

// The links of the condition set with their two overall ranges.
struct Links {
    GroupTable table;
    RangePair overallExcess; // "Errori ammessi tra tutte le Link"
    RangePair wrongLinks;    // "Link Sbagliati:"

    void tidy(const ConditionSet& set) { table.tidy(set); }
    void recompute() { table.recompute(false); }
    // Before a run: with no link in use nothing can relax a failure.
    void prepareForRun();
    bool operator==(const Links&) const = default;
};

// The point quadri of the condition set.
struct Quadri {
    GroupTable table;
    RangePair wrongQuadri;

    void tidy(const ConditionSet& set) { table.tidy(set); }
    void recompute() { table.recompute(true); }
    void prepareForRun();
    bool operator==(const Quadri&) const = default;
};

// The conditions in play, ascending (grid `MSFLink1`).
std::vector<int> slotsInPlay(const ConditionSet& set);

// An editor session over links or quadri: tidies and keeps a copy on
// opening; OK tidies, recomputes and reports a change, Annulla puts the
// copy back.
template <typename Groups> class GroupEditSession {
  public:
    GroupEditSession(Groups& groups, const ConditionSet& set) : groups_(groups), set_(set) {
        groups_.tidy(set);
        opened_ = groups_;
    }
    // "Elimina Link" / "Elimina Quadro".
    void erase(int group, const ConditionSet& set) {
        groups_.table.erase(group);
        groups_.tidy(set);
    }
    // Returns true when the condition set is to be marked as changed. A group
    // emptied by hand, or filled past an empty one, would leave a gap that
    // the run (which visits groups 1..N) cannot skip: OK closes it.
    bool accept() {
        groups_.tidy(set_);
        groups_.recompute();
        return groups_ != opened_;
    }
    // The whole copy comes back, in-use flags included, so that an erased
    // group restored by Annulla is also counted by the next run.
    void cancel() { groups_ = opened_; }

  private:
    Groups& groups_;
    const ConditionSet& set_;
    Groups opened_;
};

} // namespace varnelo

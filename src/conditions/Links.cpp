#include "conditions/Links.h"

#include <algorithm>

namespace varnelo {

void chooseFrom(RangePair& pair, std::int32_t value) {
    pair.from = value;
    if (pair.to < value)
        pair.to = value;
}

void chooseTo(RangePair& pair, std::int32_t value) {
    pair.to = value;
    if (pair.from > value)
        pair.from = value;
}

std::size_t GroupTable::clampGroup(int group) {
    return static_cast<std::size_t>(std::clamp(group, 0, kGroupCount));
}

std::int16_t GroupTable::membership(int group, int slot) const {
    if (group < 1 || group > kGroupCount || slot < 1 || slot > kSlotCount)
        return 0;
    return membership_[static_cast<std::size_t>(group)][static_cast<std::size_t>(slot)];
}

void GroupTable::setMembership(int group, int slot, std::int16_t value) {
    if (group >= 1 && group <= kGroupCount && slot >= 1 && slot <= kSlotCount)
        membership_[static_cast<std::size_t>(group)][static_cast<std::size_t>(slot)] = value;
}

std::uint8_t GroupTable::slotIndex(int slot) const {
    return slot >= 1 && slot <= kSlotCount ? slotIndex_[static_cast<std::size_t>(slot)] : 0;
}

void GroupTable::setSlotIndex(int slot, std::uint8_t value) {
    if (slot >= 1 && slot <= kSlotCount)
        slotIndex_[static_cast<std::size_t>(slot)] = value;
}

int GroupTable::groupsInUse() const {
    int n = 0;
    for (int g = 1; g <= kGroupCount; ++g)
        n += inUse(g);
    return n;
}

int GroupTable::slotCount(int group) const {
    int n = 0;
    for (int s = 1; s <= kSlotCount; ++s)
        n += holds(group, s);
    return n;
}

std::vector<int> GroupTable::slots(int group) const {
    std::vector<int> out;
    for (int s = 1; s <= kSlotCount; ++s)
        if (holds(group, s))
            out.push_back(s);
    return out;
}

void GroupTable::erase(int group) {
    if (group < 1 || group > kGroupCount)
        return;
    const auto g = static_cast<std::size_t>(group);
    inUse_[g] = 0;
    membership_[g].fill(0);
    ranges_[g] = {};
}

void GroupTable::tidy(const ConditionSet& set) {
    for (int g = 1; g <= kGroupCount; ++g) {
        for (int s = 1; s <= kSlotCount; ++s)
            if (!set.isActive(s))
                setMembership(g, s, 0);
        setInUse(g, slotCount(g) > 0);
    }
    // Each pass moves every group in use one step down over a free number.
    bool moved = true;
    while (moved) {
        moved = false;
        for (std::size_t g = 1; g < kGroupCount; ++g) {
            if (inUse_[g] || !inUse_[g + 1])
                continue;
            membership_[g] = membership_[g + 1];
            ranges_[g] = ranges_[g + 1];
            inUse_[g] = 1;
            membership_[g + 1].fill(0);
            ranges_[g + 1] = {};
            inUse_[g + 1] = 0;
            moved = true;
        }
    }
}

void GroupTable::recompute(bool flagOnly) {
    slotIndex_.fill(0);
    for (int g = 1; g <= kGroupCount; ++g) {
        bool any = false;
        for (int s = 1; s <= kSlotCount; ++s)
            if (holds(g, s)) {
                any = true;
                slotIndex_[static_cast<std::size_t>(s)] =
                    flagOnly ? 1 : static_cast<std::uint8_t>(g);
            }
        setInUse(g, any);
    }
}

std::vector<int> slotsInPlay(const ConditionSet& set) {
    std::vector<int> out;
    for (int s = 1; s <= kSlotCount; ++s)
        if (set.isActive(s))
            out.push_back(s);
    return out;
}

void Links::prepareForRun() {
    if (table.groupsInUse() > 0)
        return;
    for (int s = 1; s <= kSlotCount; ++s)
        table.setSlotIndex(s, 0);
    overallExcess = {};
    wrongLinks = {};
}

void Quadri::prepareForRun() {
    if (table.groupsInUse() > 0)
        return;
    for (int s = 1; s <= kSlotCount; ++s)
        table.setSlotIndex(s, 0);
    wrongQuadri = {};
}

} // namespace varnelo

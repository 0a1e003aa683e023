#include "conditions/SlotEditor.h"

#include <algorithm>

namespace varnelo {

namespace {

bool sameRow(const ConditionSet& a, const ConditionSet& b, int slot) {
    const ValueRange r = slotValueRange(slot);
    for (int v = r.min; v <= r.max; ++v)
        if (!(a.cell(slot, v) == b.cell(slot, v)))
            return false;
    return a.isActive(slot) == b.isActive(slot);
}

void copyRow(const ConditionSet& from, ConditionSet& to, int slot) {
    const ValueRange r = slotValueRange(slot);
    for (int v = r.min; v <= r.max; ++v)
        to.setCell(slot, v, from.cell(slot, v));
    to.setActive(slot, from.isActive(slot));
}

} // namespace

Notice recoveryWithoutLevelNotice(const char* title) {
    return {title,
            {"Si e inserito un recupero (Casella Rossa), ma si e",
             "dimenticato di inserire un livello, se non si inserisce un",
             "livello la condizione verra processata come se fosse stata",
             "inserita normalmente (di Colore blu). Inserire il Livello?"},
            kNoticeYesNo};
}

SlotEditor::SlotEditor(ConditionSet& set, std::vector<int> slots)
    : set_(set), snapshot_(set), slots_(std::move(slots)) {
    for (const int s : slots_)
        boxes_.push_back(set.isActive(s));
}

bool SlotEditor::edits(int slot) const {
    return std::find(slots_.begin(), slots_.end(), slot) != slots_.end();
}

void SlotEditor::setCell(int slot, int value, ValueCell c) {
    if (edits(slot))
        set_.setCell(slot, value, c);
}

bool SlotEditor::box(int slot) const {
    const auto it = std::find(slots_.begin(), slots_.end(), slot);
    return it != slots_.end() && boxes_[static_cast<std::size_t>(it - slots_.begin())];
}

void SlotEditor::setBox(int slot, bool on) {
    const auto it = std::find(slots_.begin(), slots_.end(), slot);
    if (it != slots_.end())
        boxes_[static_cast<std::size_t>(it - slots_.begin())] = on;
}

void SlotEditor::reset(int slot) {
    if (!edits(slot))
        return;
    const ValueRange r = slotValueRange(slot);
    for (int v = r.min; v <= r.max; ++v)
        set_.setCell(slot, v, ValueCell{});
    setBox(slot, false);
}

std::optional<SlotEditor::Place> SlotEditor::redWithoutLevel() const {
    for (const int s : slots_) {
        if (!set_.hasRedWithoutLevel(s))
            continue;
        const ValueRange r = slotValueRange(s);
        for (int v = r.min; v <= r.max; ++v) {
            const ValueCell c = set_.cell(s, v);
            if (c.status == CellStatus::Recovery && c.level == 0)
                return Place{s, v};
        }
    }
    return std::nullopt;
}

bool SlotEditor::commit() {
    bool changed = false;
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        const int s = slots_[i];
        set_.dropStrayLevels(s);
        set_.setActive(s, boxes_[i] && set_.hasAdmittedCell(s));
        changed = changed || !sameRow(set_, snapshot_, s);
        copyRow(set_, snapshot_, s);
    }
    return changed;
}

void SlotEditor::cancel() {
    // Only the window's own rows go back: other windows may have changed theirs.
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        copyRow(snapshot_, set_, slots_[i]);
        boxes_[i] = set_.isActive(slots_[i]);
    }
}

} // namespace varnelo

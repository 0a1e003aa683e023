#pragma once

#include "conditions/ConditionSet.h"
#include "core/Notice.h"

#include <optional>
#include <vector>

namespace varnelo {

// "Recupero Senza Livello:" (or the title given) with its question; Yes/No.
Notice recoveryWithoutLevelNotice(const char* title = "Recupero Senza Livello:");

// The editing session of a value-condition window over some slots of the
// condition set (digits, decades and units, remainders, baricentre, ambata,
// sequele and the windows of the main catalogue). Cells change in the set at
// once; "Annulla" puts the rows and flags back as they were on opening.
class SlotEditor {
  public:
    SlotEditor(ConditionSet& set, std::vector<int> slots);

    const std::vector<int>& slots() const { return slots_; }
    bool edits(int slot) const;

    ValueCell cell(int slot, int value) const { return set_.cell(slot, value); }
    // Ignored for a slot the window does not edit.
    void setCell(int slot, int value, ValueCell c);
    // The "Attiv." box of a slot; it starts as the slot's flag.
    bool box(int slot) const;
    void setBox(int slot, bool on);
    // "Azzera condizione": every cell white and the box off.
    void reset(int slot);

    struct Place {
        int slot = 0;
        int value = 0;
    };
    // The first red cell without a level; the window asks the question of
    // recoveryWithoutLevelNotice() and, on yes, puts the focus there.
    std::optional<Place> redWithoutLevel() const;

    // "OK": each slot takes its box and is switched off when no value is
    // admitted; levels of cells that are not red are cleared. A red cell
    // left without a level counts as admitted. True when the set changed.
    bool commit();
    // "Annulla".
    void cancel();

  private:
    ConditionSet& set_;
    ConditionSet snapshot_;
    std::vector<int> slots_;
    std::vector<bool> boxes_;
};

} // namespace varnelo

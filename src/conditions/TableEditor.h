#pragma once

#include "conditions/ConditionSet.h"

namespace varnelo {

// The editing session of a family that keeps its own table under one
// activation slot: the window edits the table in place, "OK" keeps it and
// sets the slot, "Annulla" puts back the table as last confirmed.
template <typename Table> class TableEditor {
  public:
    TableEditor(Table& table, ConditionSet& set, int slot)
        : table_(table), set_(set), slot_(slot), confirmed_(table), wasActive_(set.isActive(slot)),
          box_(wasActive_) {}

    Table& table() { return table_; }
    // The "Attivazione" box; it starts as the slot's flag.
    bool box() const { return box_; }
    void setBox(bool on) { box_ = on; }

    // The slot takes the box, but stays off when the table holds nothing to
    // judge. True when the table or the slot changed.
    bool commit(bool holdsSomething) {
        const bool on = box_ && holdsSomething;
        set_.setActive(slot_, on);
        const bool changed = !(table_ == confirmed_) || on != wasActive_;
        confirmed_ = table_;
        wasActive_ = on;
        return changed;
    }
    void cancel() {
        table_ = confirmed_;
        box_ = wasActive_;
    }

  private:
    Table& table_;
    ConditionSet& set_;
    int slot_;
    Table confirmed_;
    bool wasActive_;
    bool box_;
};

} // namespace varnelo

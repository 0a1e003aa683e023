#pragma once

#include "conditions/ConditionSet.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QStringList>

#include <vector>

namespace varnelo {

class SlotEditor;

// The value cells of a condition editor: one line per slot shown, one cell
// per value. Cells are read from the condition set and written through the
// editing session, so the core keeps its rules.
class ValueGridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    // valuesAlong Horizontal: a row per slot, a column per value; Vertical: the other way.
    explicit ValueGridModel(SlotEditor& editor, Qt::Orientation valuesAlong = Qt::Horizontal,
                            QObject* parent = nullptr);

    // Slots the session does not edit are left out. Without a range, the values
    // run over the rows of the slots; a value beyond a slot's row is a disabled cell.
    void showSlots(std::vector<int> slots);
    void showSlots(std::vector<int> slots, ValueRange values);
    // With values along Horizontal: a last column "Stato" with each slot's
    // "Attivo" / "Disattivo", switched by a click (cycle()).
    void setStateColumn(bool on);
    // Captions of the slots' lines, in the order shown; the slot's own name otherwise.
    void setSlotCaptions(const QStringList& captions);

    const std::vector<int>& shownSlots() const { return slots_; }
    // Slot 0 for an index of no grid line.
    int slotAt(const QModelIndex& index) const;
    int valueAt(const QModelIndex& index) const;
    QModelIndex indexOf(int slot, int value) const;

    // A player's click: white, then blue, then red, then white again. A level
    // is kept while the cell cycles; closing the editor drops stray ones.
    void cycle(const QModelIndex& index);
    bool setStatus(const QModelIndex& index, CellStatus status);
    // Only a red cell takes a level.
    bool setLevel(const QModelIndex& index, int level);
    // After the session changed cells by itself (reset, cancel, group commands):
    // repaints the cells that differ from what was shown.
    void refresh();

    static QColor statusColour(CellStatus status);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // EditRole or StatusRole: a status 0..2; LevelRole: a level 0..40.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    struct Place {
        int slotIndex = -1;
        int value = 0;
    };
    Place placeOf(const QModelIndex& index) const;
    bool inRow(const Place& p) const;
    // The slot line of a cell of the "Stato" column, else -1.
    int stateLine(const QModelIndex& index) const;
    QModelIndex indexAt(int slotIndex, int value) const;
    ValueCell cellAt(const Place& p) const;
    void write(const QModelIndex& index, ValueCell c);
    void takeShown();

    SlotEditor& editor_;
    Qt::Orientation valuesAlong_;
    std::vector<int> slots_;
    ValueRange values_;
    QStringList captions_;
    bool stateColumn_ = false;
    std::vector<ValueCell> shown_; // per slot line, per value: what the view last painted
};

} // namespace varnelo

#pragma once

#include <QComboBox>

namespace varnelo {

class ValueCellsView;

// The recovery level ("----", A .. V, AA .. VV) of the red cell under the
// cursor of a value grid, or of every red cell of the marked range: a row
// of red sums takes one level at once. Disabled away from a red cell.
class RecoveryLevelBox : public QComboBox {
    Q_OBJECT
  public:
    RecoveryLevelBox(ValueCellsView* cells, QWidget* parent);

    // Shows the level of the current cell; called when the cells change.
    void follow();
    // Brings the red cell at `at` under the cursor and waits for its level.
    void askFor(const QModelIndex& at);

  private:
    ValueCellsView* cells_;
};

} // namespace varnelo

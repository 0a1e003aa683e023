#pragma once

#include <QTableView>

namespace varnelo {

class ValueGridModel;

// The value cells as a player edits them: a click or Space turns a cell
// white, blue, red; a drag or Shift+arrows mark a range that Space sets to
// the next state of the current cell and Canc clears.
class ValueCellsView : public QTableView {
    Q_OBJECT
  public:
    explicit ValueCellsView(QWidget* parent = nullptr);

    // Null to detach.
    void setValueModel(ValueGridModel* model);
    ValueGridModel* valueModel() const { return model_; }

  Q_SIGNALS:
    // After cells changed by a click or a key, or the current cell moved.
    void cellsEdited();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    ValueGridModel* model_ = nullptr;
};

} // namespace varnelo

#pragma once

#include <QGroupBox>

namespace varnelo {

struct ProgramState;
class TableModel;

// The per-number figures of the delay conditions over the newest draws of
// the statistics selection (at most 5000): what every number adds to a
// row's sum. "Col.Vincente" marks the numbers of the latest draw.
class NumberFiguresTable : public QGroupBox {
    Q_OBJECT
  public:
    NumberFiguresTable(ProgramState& state, QWidget* parent);
    // Rereads the tables (opening, a new statistics selection).
    void refill();

  private:
    ProgramState& state_;
    TableModel* model_ = nullptr;
};

} // namespace varnelo

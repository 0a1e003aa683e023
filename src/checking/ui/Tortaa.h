#pragma once

#include "ui/ChildWindow.h"

class QChartView;
class QLabel;
class QTableView;

namespace varnelo {

class TableModel;

// "Distribuzione segni": how often each number of the system appears in its
// columns, as a table a player can sort and as bars against the even spread.
class Tortaa : public ChildWindow {
    Q_OBJECT
  public:
    explicit Tortaa(Shell& shell);

  protected:
    void showEvent(QShowEvent* event) override;
    void systemChanged() override;

  private:
    void recount();

    TableModel* model_ = nullptr;
    QTableView* table_ = nullptr;
    QChartView* chart_ = nullptr;
    QLabel* summary_ = nullptr;
    // The counts are out of date: the system changed while hidden or busy.
    bool stale_ = true;
};

} // namespace varnelo

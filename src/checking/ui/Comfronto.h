#pragma once

#include "ui/ChildWindow.h"

class QChartView;

namespace varnelo {

class TableModel;
class WinLevelsRunner;

// "Grafico vincite": the distribution of wins as a chart. For each level k
// (k of the drawn numbers among the system's) one bar split by the best
// score of the columns, as a share of the level's k-sets, with the figures
// in a small table below.
class Comfronto : public ChildWindow {
    Q_OBJECT
  public:
    explicit Comfronto(Shell& shell);

  protected:
    void systemChanged() override;

  private:
    void showResult();

    WinLevelsRunner* runner_ = nullptr;
    QChartView* chart_ = nullptr;
    TableModel* model_ = nullptr;
};

} // namespace varnelo

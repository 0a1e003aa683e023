#pragma once

#include "conditions/ui/IntervalRowsEditor.h"

namespace varnelo {

class NumberFiguresTable;

// "Ritardi Vari": sums over the five numbers of six per-number archive
// figures, each row with its intervals; beside them the figures of every number.
class CondRitardiVari : public IntervalRowsEditor {
    Q_OBJECT
  public:
    explicit CondRitardiVari(Shell& shell);

  protected:
    DelayRows& rows() override;
    ConditionStatisticsGrid::Source rowSource(int row) override;
    void showFigures() override;

  private:
    NumberFiguresTable* numbers_ = nullptr;
};

} // namespace varnelo

#pragma once

#include "conditions/ui/IntervalRowsEditor.h"

namespace varnelo {

class LatestDrawFrame;

// "Ritardo Ambi": the delay of each of the ten pairs of a column and their
// total, each row with its intervals; beside them the latest draw's pair delays.
class CondizAmbo : public IntervalRowsEditor {
    Q_OBJECT
  public:
    explicit CondizAmbo(Shell& shell);

  protected:
    DelayRows& rows() override;
    ConditionStatisticsGrid::Source rowSource(int row) override;
    void showFigures() override;

  private:
    LatestDrawFrame* latest_ = nullptr;
};

} // namespace varnelo

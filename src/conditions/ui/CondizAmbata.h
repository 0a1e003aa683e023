#pragma once

#include "conditions/ui/ValueConditionEditor.h"

namespace varnelo {

class LatestDrawFrame;

// "Ritardo Somma Ambata": the sum of the delays of a column's five numbers,
// a row of value cells 0..210; under them the latest draw's delays.
class CondizAmbata : public ValueConditionEditor {
    Q_OBJECT
  public:
    explicit CondizAmbata(Shell& shell);

  protected:
    void sessionStarted() override;
    void systemChanged() override;

  private:
    LatestDrawFrame* latest_ = nullptr;
};

} // namespace varnelo

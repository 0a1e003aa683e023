#pragma once

#include "stats/ui/StatisticsWindow.h"

class QLabel;

namespace varnelo {

// "Giochiamo sui Ritardi": the numbers with the highest current delay, and
// one click that makes them the numbers of the forecast.
class StatRitardatari : public StatisticsWindow {
    Q_OBJECT
  public:
    explicit StatRitardatari(Shell& shell);

  protected:
    void rebuilt() override;

  private:
    void useAsForecast();

    QLabel* numbers_ = nullptr;
};

} // namespace varnelo

#pragma once

#include "stats/ui/StatisticsWindow.h"

namespace varnelo {

// The windows of the "Statist&iche" menu that only show tables: each is the
// shared statistics window with its own tables.

// "Statistiche sui Ritardi": delays by value and by position 1°..5°.
class StatisticheS : public StatisticsWindow {
    Q_OBJECT
  public:
    explicit StatisticheS(Shell& shell);
};

// "Analisi sulle Combinazioni": evens, low numbers, sums, consecutive pairs.
class StatAnalisi : public StatisticsWindow {
    Q_OBJECT
  public:
    explicit StatAnalisi(Shell& shell);
};

// "Analisi sulle Combinazioni 2": decades, endings, repeats, span.
class StatAnalisi2 : public StatisticsWindow {
    Q_OBJECT
  public:
    explicit StatAnalisi2(Shell& shell);
};

// "Frequenza Numeri in Cicli".
class StatAnalisi3 : public StatisticsWindow {
    Q_OBJECT
  public:
    explicit StatAnalisi3(Shell& shell);
};

// "Frequenza dei 49 Numeri".
class StatAnalisi4 : public StatisticsWindow {
    Q_OBJECT
  public:
    explicit StatAnalisi4(Shell& shell);
};

// "Tutti gli Ambi".
class StatAmbi : public StatisticsWindow {
    Q_OBJECT
  public:
    explicit StatAmbi(Shell& shell);
};

// "Tutti i Terni".
class StataaTerni : public StatisticsWindow {
    Q_OBJECT
  public:
    explicit StataaTerni(Shell& shell);
};

// "Numeri Spia".
class NumeriSpia : public StatisticsWindow {
    Q_OBJECT
  public:
    explicit NumeriSpia(Shell& shell);
};

// "Ritardi EuroNumeri": the delay tables of the Numeroni.
class StatisticheSEuroNum : public StatisticsWindow {
    Q_OBJECT
  public:
    explicit StatisticheSEuroNum(Shell& shell);
};

// "Statistiche EuroNumeri": frequencies and pairs of the Numeroni.
class StatAnalisi5 : public StatisticsWindow {
    Q_OBJECT
  public:
    explicit StatAnalisi5(Shell& shell);
};

} // namespace varnelo

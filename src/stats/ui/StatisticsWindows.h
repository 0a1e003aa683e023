#pragma once

#include "stats/ui/StatisticsWindow.h"

namespace varnelo {

// The windows of the "Statist&iche" menu that only show tables: each is the
// shared statistics window with its own tables.
enum class StatKind {
    Delays,         // "Statistiche sui Ritardi": by value and by position 1°..5°
    Combinations,   // "Analisi sulle Combinazioni": evens, low numbers, sums, consecutive
    Combinations2,  // "Analisi sulle Combinazioni 2": decades, endings, repeats, span
    Cycles,         // "Frequenza Numeri in Cicli"
    Frequencies,    // "Frequenza dei 49 Numeri"
    Spy,            // "Numeri Spia"
    Pairs,          // "Tutti gli Ambi"
    Triples,        // "Tutti i Terni"
    NumeroneDelays, // "Ritardi EuroNumeri"
    Numeroni,       // "Statistiche EuroNumeri": frequencies and pairs of the Numeroni
};

StatWindowLayout statWindowLayout(StatKind kind);

// One class per window, as the frame keeps one instance of each class.
template <StatKind K> class StatWindowOf : public StatisticsWindow {
  public:
    explicit StatWindowOf(Shell& shell) : StatisticsWindow(shell, statWindowLayout(K)) {}
};

using StatisticheS = StatWindowOf<StatKind::Delays>;
using StatAnalisi = StatWindowOf<StatKind::Combinations>;
using StatAnalisi2 = StatWindowOf<StatKind::Combinations2>;
using StatAnalisi3 = StatWindowOf<StatKind::Cycles>;
using StatAnalisi4 = StatWindowOf<StatKind::Frequencies>;
using NumeriSpia = StatWindowOf<StatKind::Spy>;
using StatAmbi = StatWindowOf<StatKind::Pairs>;
using StataaTerni = StatWindowOf<StatKind::Triples>;
using StatisticheSEuroNum = StatWindowOf<StatKind::NumeroneDelays>;
using StatAnalisi5 = StatWindowOf<StatKind::Numeroni>;

} // namespace varnelo

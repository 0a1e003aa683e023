#include "stats/ui/StatisticsWindows.h"

#include "stats/ComboGaps.h"
#include "stats/CycleFrequencies.h"
#include "stats/DrawShapes.h"
#include "stats/NumberTables.h"
#include "stats/PositionDelays.h"
#include "stats/SpyNumbers.h"

namespace varnelo {

namespace {

using Draws = std::vector<Draw>;
using Tables = std::vector<StatTable>;

const QString kGapNote =
    "Usciti: concorsi in cui è uscito.  Frequenza: concorsi esaminati diviso uscite.  "
    "Ritardo: concorsi dopo l'ultima uscita.  Rit.Max: il ritardo più lungo chiuso da "
    "un'uscita.  Ciclo: Ritardo diviso Frequenza.";

const QString kShapeNote =
    "Concorsi: estrazioni della classe.  %: sul totale dei concorsi esaminati.  Ritardo e "
    "Rit.Max: in concorsi, come per i numeri.  Frequenza: concorsi diviso uscite della classe.";

std::function<Tables(const Draws&, int)> delays(DrawPart part) {
    return [part](const Draws& draws, int) {
        return positionDelayTables(computePositionDelays(draws, part));
    };
}

std::function<Tables(const Draws&, int)> shapes(std::vector<DrawShape> list) {
    return [list](const Draws& draws, int) {
        Tables out;
        for (DrawShape shape : list)
            out.push_back(shapeTable(computeShapeDistribution(draws, shape)));
        return out;
    };
}

std::function<Tables(const Draws&, int)> combos(const char* title, const char* first,
                                                std::vector<ComboGaps> (*compute)(const Draws&)) {
    return [title, first, compute](const Draws& draws, int) {
        return Tables{
            comboTable(title, first, compute(draws), static_cast<std::int32_t>(draws.size()))};
    };
}

Tables cycles(const Draws& draws, int length) {
    return {cycleFrequencyTable(computeCycleFrequencies(draws, length, 10), draws)};
}

Tables frequencies(const Draws& draws, int) {
    return {frequencyTable(computePositionDelays(draws, DrawPart::Numbers))};
}

Tables spy(const Draws& draws, int number) {
    return {spyTable(computeSpyNumbers(draws, number))};
}

Tables numeroni(const Draws& draws, int) {
    return {frequencyTable(computePositionDelays(draws, DrawPart::Numeroni)),
            comboTable("Coppie di Numeroni", "Coppia", computeNumeronePairGaps(draws),
                       static_cast<std::int32_t>(draws.size()))};
}

} // namespace

StatWindowLayout statWindowLayout(StatKind kind) {
    switch (kind) {
    case StatKind::Delays:
        return {.name = "StatisticheS",
                .title = "Statistiche sui Ritardi",
                .fileName = "ritardi",
                .build = delays(DrawPart::Numbers),
                .chartColumn = 3,
                .note = kGapNote};
    case StatKind::Combinations:
        return {.name = "StatAnalisi",
                .title = "Analisi sulle Combinazioni",
                .fileName = "analisi-combinazioni",
                .build = shapes(
                    {DrawShape::Evens, DrawShape::Low, DrawShape::Sum, DrawShape::Consecutive}),
                .chartColumn = 1,
                .note = kShapeNote};
    case StatKind::Combinations2:
        return {.name = "StatAnalisi2",
                .title = "Analisi sulle Combinazioni 2",
                .fileName = "analisi-combinazioni-2",
                .build = shapes(
                    {DrawShape::Decades, DrawShape::Endings, DrawShape::Repeats, DrawShape::Span}),
                .chartColumn = 1,
                .note = kShapeNote};
    case StatKind::Cycles:
        return {.name = "StatAnalisi3",
                .title = "Frequenza Numeri in Cicli",
                .fileName = "frequenza-cicli",
                .parameter = {"Concorsi per ciclo:", 1, 100, 10},
                .build = cycles,
                .note = "Gli ultimi dieci cicli, contati all'indietro dal concorso più recente; "
                        "ogni colonna porta la data dell'ultimo concorso del ciclo.  Cicli di "
                        "ritardo: cicli recenti consecutivi senza il numero.",
                .size = {1060, 640}};
    case StatKind::Frequencies:
        return {.name = "StatAnalisi4",
                .title = "Frequenza dei 49 Numeri",
                .fileName = "frequenza-numeri",
                .build = frequencies,
                .chartColumn = 1,
                .note = "% Concorsi: uscite sul totale dei concorsi.  Attese: concorsi × 5 / 49, "
                        "le uscite di ogni numero se tutti uscissero allo stesso modo.  Scarto: "
                        "Usciti meno Attese.",
                .size = {900, 700}};
    case StatKind::Spy:
        return {.name = "NumeriSpia",
                .title = "Numeri Spia",
                .fileName = "numeri-spia",
                .parameter = {"Numero spia:", 1, kMaxNumber, 1},
                .build = spy,
                .chartColumn = 2,
                .note = "Per ogni concorso con il numero spia si guarda il concorso successivo.  "
                        "Dopo la spia: quante volte il numero vi è uscito.  % dopo la spia: "
                        "sulle volte in cui la spia è uscita.  % in tutti: uscite su tutti i "
                        "concorsi.  Scarto %: la differenza."};
    case StatKind::Pairs:
        return {.name = "StatAmbi",
                .title = "Tutti gli Ambi",
                .fileName = "ambi",
                .build = combos("Tutti gli Ambi", "Ambo", computePairGaps),
                .comboFilter = true,
                .note = kGapNote,
                .size = {640, 640}};
    case StatKind::Triples:
        return {.name = "StataaTerni",
                .title = "Tutti i Terni",
                .fileName = "terni",
                .build = combos("Tutti i Terni", "Terno", computeTripleGaps),
                .comboFilter = true,
                .note = kGapNote,
                .size = {640, 640}};
    case StatKind::NumeroneDelays:
        return {.name = "StatisticheSEuroNum",
                .title = "Ritardi EuroNumeri",
                .fileName = "ritardi-euronumeri",
                .build = delays(DrawPart::Numeroni),
                .chartColumn = 3,
                .note = kGapNote};
    case StatKind::Numeroni:
        return {.name = "StatAnalisi5",
                .title = "Statistiche EuroNumeri",
                .fileName = "statistiche-euronumeri",
                .build = numeroni,
                .chartColumn = 1,
                .note = "Attese: concorsi × 2 / 10.  Coppie: i due Numeroni dello stesso "
                        "concorso, in qualunque ordine; per le colonne vale quanto detto per i "
                        "ritardi."};
    }
    return {};
}

} // namespace varnelo

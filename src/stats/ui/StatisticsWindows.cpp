#include "stats/ui/StatisticsWindows.h"

#include "stats/ComboGaps.h"
#include "stats/CycleFrequencies.h"
#include "stats/DrawShapes.h"
#include "stats/NumberTables.h"
#include "stats/PositionDelays.h"
#include "stats/SpyNumbers.h"

namespace varnelo {

namespace {

const QString kGapNote =
    "Usciti: concorsi in cui è uscito.  Frequenza: concorsi esaminati diviso uscite.  "
    "Ritardo: concorsi dopo l'ultima uscita.  Rit.Max: il ritardo più lungo chiuso da "
    "un'uscita.  Ciclo: Ritardo diviso Frequenza.";

const QString kShapeNote =
    "Concorsi: estrazioni della classe.  %: sul totale dei concorsi esaminati.  Ritardo e "
    "Rit.Max: in concorsi, come per i numeri.  Frequenza: concorsi diviso uscite della classe.";

StatWindowSpec delaySpec(const QString& title, const QString& file, DrawPart part) {
    StatWindowSpec s;
    s.title = title;
    s.fileName = file;
    s.build = [part](const std::vector<Draw>& draws, int) {
        return positionDelayTables(computePositionDelays(draws, part));
    };
    s.chartColumn = 3;
    s.note = kGapNote;
    return s;
}

StatWindowSpec analysisSpec(const QString& title, const QString& file,
                            std::initializer_list<DrawShape> shapes) {
    StatWindowSpec s;
    s.title = title;
    s.fileName = file;
    const std::vector<DrawShape> list(shapes);
    s.build = [list](const std::vector<Draw>& draws, int) {
        std::vector<StatTable> out;
        for (DrawShape shape : list)
            out.push_back(shapeTable(computeShapeDistribution(draws, shape)));
        return out;
    };
    s.chartColumn = 1;
    s.note = kShapeNote;
    return s;
}

StatWindowSpec cycleSpec() {
    StatWindowSpec s;
    s.title = "Frequenza Numeri in Cicli";
    s.fileName = "frequenza-cicli";
    s.parameterLabel = "Concorsi per ciclo:";
    s.minimum = 1;
    s.maximum = 100;
    s.initial = 10;
    s.build = [](const std::vector<Draw>& draws, int length) {
        return std::vector<StatTable>{
            cycleFrequencyTable(computeCycleFrequencies(draws, length, 10), draws)};
    };
    s.note = "Gli ultimi dieci cicli, contati all'indietro dal concorso più recente; ogni "
             "colonna porta la data dell'ultimo concorso del ciclo.  Cicli di ritardo: cicli "
             "recenti consecutivi senza il numero.";
    s.size = {1060, 640};
    return s;
}

StatWindowSpec frequencySpec() {
    StatWindowSpec s;
    s.title = "Frequenza dei 49 Numeri";
    s.fileName = "frequenza-numeri";
    s.build = [](const std::vector<Draw>& draws, int) {
        return std::vector<StatTable>{
            frequencyTable(computePositionDelays(draws, DrawPart::Numbers))};
    };
    s.chartColumn = 1;
    s.note = "% Concorsi: uscite sul totale dei concorsi.  Attese: concorsi × 5 / 49, le uscite "
             "di ogni numero se tutti uscissero allo stesso modo.  Scarto: Usciti meno Attese.";
    s.size = {900, 700};
    return s;
}

StatWindowSpec comboSpec(const QString& title, const QString& file, const char* first, int size) {
    StatWindowSpec s;
    s.title = title;
    s.fileName = file;
    s.build = [title, first, size](const std::vector<Draw>& draws, int) {
        const auto n = static_cast<std::int32_t>(draws.size());
        return std::vector<StatTable>{
            comboTable(title.toStdString(), first,
                       size == 2 ? computePairGaps(draws) : computeTripleGaps(draws), n)};
    };
    s.comboFilter = true;
    s.note = kGapNote;
    s.size = {640, 640};
    return s;
}

StatWindowSpec spySpec() {
    StatWindowSpec s;
    s.title = "Numeri Spia";
    s.fileName = "numeri-spia";
    s.parameterLabel = "Numero spia:";
    s.minimum = 1;
    s.maximum = kMaxNumber;
    s.initial = 1;
    s.build = [](const std::vector<Draw>& draws, int spy) {
        return std::vector<StatTable>{spyTable(computeSpyNumbers(draws, spy))};
    };
    s.note = "Per ogni concorso con il numero spia si guarda il concorso successivo.  Dopo la "
             "spia: quante volte il numero vi è uscito.  % dopo la spia: sulle volte in cui la "
             "spia è uscita.  % in tutti: uscite su tutti i concorsi.  Scarto %: la differenza.";
    return s;
}

StatWindowSpec numeroneSpec() {
    StatWindowSpec s;
    s.title = "Statistiche EuroNumeri";
    s.fileName = "statistiche-euronumeri";
    s.build = [](const std::vector<Draw>& draws, int) {
        const auto n = static_cast<std::int32_t>(draws.size());
        return std::vector<StatTable>{
            frequencyTable(computePositionDelays(draws, DrawPart::Numeroni)),
            comboTable("Coppie di Numeroni", "Coppia", computeNumeronePairGaps(draws), n)};
    };
    s.chartColumn = 1;
    s.note = "Attese: concorsi × 2 / 10.  Coppie: i due Numeroni dello stesso concorso, in "
             "qualunque ordine; per le colonne vale quanto detto per i ritardi.";
    return s;
}

} // namespace

StatisticheS::StatisticheS(Shell& shell)
    : StatisticsWindow(shell, "StatisticheS",
                       delaySpec("Statistiche sui Ritardi", "ritardi", DrawPart::Numbers)) {}

StatAnalisi::StatAnalisi(Shell& shell)
    : StatisticsWindow(shell, "StatAnalisi",
                       analysisSpec("Analisi sulle Combinazioni", "analisi-combinazioni",
                                    {DrawShape::Evens, DrawShape::Low, DrawShape::Sum,
                                     DrawShape::Consecutive})) {}

StatAnalisi2::StatAnalisi2(Shell& shell)
    : StatisticsWindow(shell, "StatAnalisi2",
                       analysisSpec("Analisi sulle Combinazioni 2", "analisi-combinazioni-2",
                                    {DrawShape::Decades, DrawShape::Endings, DrawShape::Repeats,
                                     DrawShape::Span})) {}

StatAnalisi3::StatAnalisi3(Shell& shell) : StatisticsWindow(shell, "StatAnalisi3", cycleSpec()) {}

StatAnalisi4::StatAnalisi4(Shell& shell)
    : StatisticsWindow(shell, "StatAnalisi4", frequencySpec()) {}

StatAmbi::StatAmbi(Shell& shell)
    : StatisticsWindow(shell, "StatAmbi", comboSpec("Tutti gli Ambi", "ambi", "Ambo", 2)) {}

StataaTerni::StataaTerni(Shell& shell)
    : StatisticsWindow(shell, "StataaTerni", comboSpec("Tutti i Terni", "terni", "Terno", 3)) {}

NumeriSpia::NumeriSpia(Shell& shell) : StatisticsWindow(shell, "NumeriSpia", spySpec()) {}

StatisticheSEuroNum::StatisticheSEuroNum(Shell& shell)
    : StatisticsWindow(shell, "StatisticheSEuroNum",
                       delaySpec("Ritardi EuroNumeri", "ritardi-euronumeri", DrawPart::Numeroni)) {}

StatAnalisi5::StatAnalisi5(Shell& shell)
    : StatisticsWindow(shell, "StatAnalisi5", numeroneSpec()) {}

} // namespace varnelo

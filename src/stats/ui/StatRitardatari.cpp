#include "stats/ui/StatRitardatari.h"

#include "stats/NumberTables.h"
#include "system/ProgramState.h"
#include "ui/DialogParts.h"
#include "ui/ForecastLock.h"
#include "ui/Shell.h"
#include "ui/Text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace varnelo {

namespace {

std::vector<int> delayedNumbers(const std::vector<Draw>& draws, int count) {
    return mostDelayedNumbers(computePositionDelays(draws, DrawPart::Numbers), count);
}

StatWindowLayout delayedNumbersLayout() {
    return {.name = "StatRitardatari",
            .title = "Giochiamo sui Ritardi",
            .fileName = "ritardatari",
            .parameter = {"Quanti numeri:", 1, 20, 10},
            .build =
                [](const std::vector<Draw>& draws, int count) {
                    const PositionDelays d = computePositionDelays(draws, DrawPart::Numbers);
                    return std::vector<StatTable>{
                        mostDelayedTable(d, mostDelayedNumbers(d, count))};
                },
            .chartColumn = 3,
            .note = "I numeri con il ritardo attuale più alto; a parità di ritardo prima quello "
                    "con il Ciclo più alto.  Un'estrazione passata non cambia le probabilità "
                    "della prossima: ogni numero ha sempre 5 possibilità su 49.",
            .size = {700, 640}};
}

} // namespace

StatRitardatari::StatRitardatari(Shell& shell) : StatisticsWindow(shell, delayedNumbersLayout()) {
    numbers_ = new QLabel(this);
    numbers_->setObjectName("LabRitardatari");
    auto* use = namedButton("Usa come pronostico", "UsaPronostico", this);
    use->setToolTip("I numeri del pronostico diventano questi; i Numeroni restano");
    connect(use, &QPushButton::clicked, this, &StatRitardatari::useAsForecast);
    commandRow()->insertWidget(0, numbers_);
    commandRow()->insertWidget(1, use);
    rebuilt();
}

void StatRitardatari::rebuilt() {
    QStringList shown;
    for (int n : delayedNumbers(state().archive.selection, parameter()))
        shown << QString::number(n);
    numbers_->setText("Ritardatari: " + shown.join(" "));
}

void StatRitardatari::useAsForecast() {
    ProgramState& s = state();
    if (refuseLockedForecast(s, this))
        return;
    for (int n = 1; n <= kMaxNumber; ++n)
        s.selection.setState(n, Selection::NotChosen);
    for (int n : delayedNumbers(s.archive.selection, parameter()))
        s.selection.setState(n, Selection::Chosen);
    s.modified = true;
    shell().refresh();
}

} // namespace varnelo

#include "engine/ui/SviluppoS.h"

#include "ui/Text.h"

#include <QLabel>

namespace varnelo {

SviluppoS::SviluppoS(Shell& shell) : SviluppoS(shell, "SviluppoS", {5, 0}) {}

SviluppoS::SviluppoS(Shell& shell, const QString& name, WindowSlots slots)
    : RunWindow(shell, name, slots) {
    setWindowTitle("Sviluppo colonne:");
    examined_ = addFigure("Colonne esaminate:", "LabEsaminate");
    conditioned_ = addFigure("Colonne condizionate:", "LabCondizionate");
    kept_ = addFigure("Colonne tenute:", "LabTenute");
    inMemory_ = addFigure("Colonne in memoria:", "LabMemoria");
}

bool SviluppoS::start(const QString& caption, std::function<RunResult(RunProgress&)> work) {
    if (isRunning())
        return false;
    setWindowTitle(caption);
    result_ = {};
    return startJob([this, work] { result_ = work(progress_); }, progress_.cancel);
}

void SviluppoS::showProgress() {
    examined_->setText(countText(progress_.done.load()));
    conditioned_->setText(countText(progress_.conditioned.load()));
    kept_->setText(countText(progress_.kept.load()));
    inMemory_->setText(countText(progress_.inMemory.load()));
}

void SviluppoS::showEnd() {
    examined_->setText(countText(result_.examined));
    conditioned_->setText(countText(result_.conditioned));
    kept_->setText(countText(result_.kept));
    inMemory_->setText(countText(result_.inMemory));
    QStringList lines;
    if (result_.failure) {
        for (const auto& l : result_.failure->lines)
            lines << qs(l);
    } else if (result_.cancelled) {
        lines << "Sviluppo interrotto: nessuna colonna tenuta.";
    } else {
        lines << qs(result_.description);
        if (!result_.differenceText.empty())
            lines << qs(result_.differenceText);
        // One figure per line: the window stays narrow and nothing wraps.
        if (result_.kept > 0) {
            lines << "Colonne condizionate = " + countText(result_.conditioned);
            lines << "Rapporto = " + italianDecimal(result_.reductionRatio(), 2);
        }
        lines << qs(result_.finalCountText());
        for (const auto& l : result_.notes)
            lines << qs(l);
    }
    setEndText(lines);
}

} // namespace varnelo

#include "reduced/ui/SviluppoOrtogonale.h"

#include "reduced/OrthogonalOutcome.h"
#include "reduced/ReducedNames.h"
#include "system/ProgramState.h"
#include "ui/Avviso.h"
#include "ui/Shell.h"
#include "ui/Text.h"

#include <QLabel>

namespace varnelo {

SviluppoOrtogonale::SviluppoOrtogonale(Shell& shell) : RunWindow(shell, "SviluppoOrtogonale", {}) {
    setWindowTitle("Sviluppo Ortogonale:");
    guarantee_ = addFigure("Garanzia:", "LabGaranzia");
    numbers_ = addFigure("Numeri in gioco:", "LabNumeri");
    code_ = addFigure("Codice ridotto:", "LabCodice");
    accepted_ = addFigure("colonne accettate:", "LabAccettate");
    connect(this, &RunWindow::finished, this, &SviluppoOrtogonale::handOver);
}

bool SviluppoOrtogonale::start(int option) {
    const auto o = orthogonalOption(option);
    if (!o || isRunning())
        return false;
    const std::vector<int> fixed = state().selection.fixedNumbers();
    const std::vector<int> free = state().selection.freeNumbers();
    option_ = option;
    run_ = {};
    takeColumns_ = false;
    guarantee_->setText(qs(o->name));
    numbers_->setText(QString("%1 + %2 Fisse").arg(free.size()).arg(fixed.size()));
    code_->setText(qs(orthogonalDevelopmentCode(static_cast<int>(free.size()),
                                                static_cast<int>(fixed.size()), option)));
    return startJob(
        [this, fixed, free, option] {
            // The catalogue keeps its open files: one per run, on the worker.
            const Catalogue catalogue = programCatalogue();
            run_ = developOrthogonal(catalogue, fixed, free, option, progress_);
        },
        progress_.cancel);
}

void SviluppoOrtogonale::showProgress() {
    accepted_->setText(countText(progress_.done.load()));
}

void SviluppoOrtogonale::showEnd() {
    accepted_->setText(countText(static_cast<qlonglong>(run_.columns.size())));
    const OrthogonalOutcome outcome = orthogonalOutcome(run_, option_);
    QStringList lines;
    for (const std::string& l : outcome.lines)
        lines << qs(l);
    setEndText(lines);
    takeColumns_ = outcome.takeColumns;
}

// Only a finished list whose guarantee was checked reaches the system; a
// stopped run changes nothing, as the columns accepted so far carry no guarantee.
void SviluppoOrtogonale::handOver() {
    if (run_.notice)
        Avviso::ask(*run_.notice, shell().mainWidget());
    if (takeColumns_)
        shell().developReduced(run_.columns, qs(*orthogonalTitle(option_)));
}

} // namespace varnelo

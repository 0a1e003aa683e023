#include "checking/ui/WinLevelsRunner.h"

#include "system/ProgramState.h"
#include "ui/Avviso.h"
#include "ui/BackgroundJob.h"
#include "ui/JobProgressBar.h"
#include "ui/Shell.h"
#include "ui/Text.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>

namespace varnelo {

WinLevelsRunner::WinLevelsRunner(Shell& shell, QWidget* parent, const QString& startCommand)
    : QWidget(parent), shell_(shell), startCommand_(startCommand) {
    withFixed_ = new QCheckBox("Confronta il sistema con i capogiochi", this);
    withFixed_->setObjectName("CheckCapogiochi");
    job_ = new BackgroundJob(shell, this);
    bar_ = makeJobProgressBar("PictCalcolo", job_, progress_, this);
    stop_ = new QPushButton("Stop", this);
    stop_->setObjectName("ComandoStop");
    stop_->setEnabled(false);
    status_ = new QLabel("Premere \"" + startCommand_ + "\" per calcolare la distribuzione", this);
    status_->setObjectName("LabStato");
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(withFixed_, 0, 0, 1, 2);
    layout->addWidget(bar_, 1, 0);
    layout->addWidget(stop_, 1, 1);
    layout->addWidget(status_, 2, 0, 1, 2);
    connect(job_, &BackgroundJob::finished, this, &WinLevelsRunner::end);
    connect(stop_, &QPushButton::clicked, job_, &BackgroundJob::cancel);
    connect(withFixed_, &QCheckBox::toggled, this, &WinLevelsRunner::withFixedToggled);
}

// The job writes into this object's members: it must end before they go.
WinLevelsRunner::~WinLevelsRunner() {
    delete job_;
}

bool WinLevelsRunner::isRunning() const {
    return job_->isRunning();
}

bool WinLevelsRunner::closeWhenEnded(std::function<void()> close) {
    return job_->closeWhenEnded(std::move(close));
}

const ColumnStore& WinLevelsRunner::columns() const {
    return columns_ ? *columns_ : shell_.state().columns;
}

bool WinLevelsRunner::start() {
    const ProgramState& st = shell_.state();
    const ColumnStore& cs = columns();
    if (job_->isRunning() || !cs.hasColumns || cs.storedCount == 0)
        return false;
    if (const auto refusal = winLevelsRefusal(std::max(cs.systemTotal, cs.storedCount))) {
        Avviso::ask(*refusal, shell_.mainWidget());
        return false;
    }
    input_ = winLevelsInput(st.selection, cs, withFixed_->isChecked());
    key_ = systemKey();
    systemLine_ = "Sistema: " + qs(st.systemName) + "   Colonne: " + countText(cs.storedCount) +
                  "   Capogiochi: " + (withFixed_->isChecked() ? "sì" : "no");
    hasResult_ = false;
    withFixed_->setEnabled(false);
    stop_->setEnabled(true);
    status_->setText("Calcolo in corso...");
    job_->start([this] { result_ = winLevels(input_, progress_); }, progress_.cancel);
    return true;
}

void WinLevelsRunner::end() {
    withFixed_->setEnabled(true);
    stop_->setEnabled(false);
    hasResult_ = !result_.cancelled;
    if (hasResult_) {
        bar_->setValue(bar_->maximum());
        const qint64 ms = job_->workMs();
        status_->setText(ms < 10 ? QString("Calcolo eseguito in meno di 0,01 s")
                                 : "Calcolo eseguito in " + italianDecimal(ms / 1000.0, 2) + " s");
    } else {
        bar_->setValue(0);
        status_->setText("Calcolo interrotto");
    }
    Q_EMIT finished();
}

void WinLevelsRunner::checkSystem() {
    if (!hasResult_ || job_->isRunning() || systemKey() == key_)
        return;
    hasResult_ = false;
    bar_->setValue(0);
    status_->setText("Il sistema è cambiato: premere \"" + startCommand_ + "\"");
    Q_EMIT dropped();
}

// What tells one set of columns from another without reading them all: the
// counts, the numbers and a sample of the columns.
std::uint64_t WinLevelsRunner::systemKey() const {
    const ProgramState& st = shell_.state();
    const ColumnStore& cs = columns();
    std::uint64_t h = 14695981039346656037ull;
    auto mix = [&h](std::uint64_t v) { h = (h ^ v) * 1099511628211ull; };
    for (char c : st.systemName)
        mix(static_cast<unsigned char>(c));
    mix(static_cast<std::uint64_t>(cs.storedCount));
    mix(static_cast<std::uint64_t>(cs.systemTotal));
    for (int n = 1; n <= kMaxNumber; ++n)
        mix(static_cast<std::uint64_t>(st.selection.state(n)));
    const std::int32_t count = cs.storedCount;
    const std::int32_t step = std::max<std::int32_t>(1, count / 1024);
    for (std::int32_t i = 1; i <= count; i += step)
        for (std::uint8_t n : cs.column(i))
            mix(n);
    if (count > 0)
        for (std::uint8_t n : cs.column(count))
            mix(n);
    return h;
}

} // namespace varnelo

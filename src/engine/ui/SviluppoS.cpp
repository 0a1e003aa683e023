#include "engine/ui/SviluppoS.h"

#include "ui/BackgroundJob.h"
#include "ui/Text.h"

#include <QDateTime>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace varnelo {

namespace {
QLabel* value(QWidget* parent, const char* name) {
    auto* l = new QLabel("0", parent);
    l->setObjectName(name);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(110);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}
} // namespace

SviluppoS::SviluppoS(Shell& shell) : SviluppoS(shell, "SviluppoS", {5, 0}) {}

SviluppoS::SviluppoS(Shell& shell, const QString& name, WindowSlots slots)
    : ChildWindow(shell, name, slots) {
    setWindowTitle("Sviluppo colonne:");
    examined_ = value(this, "LabEsaminate");
    conditioned_ = value(this, "LabCondizionate");
    kept_ = value(this, "LabTenute");
    inMemory_ = value(this, "LabMemoria");
    elapsed_ = value(this, "LabTempo");
    auto* form = new QFormLayout;
    form->addRow("Colonne esaminate:", examined_);
    form->addRow("Colonne condizionate:", conditioned_);
    form->addRow("Colonne tenute:", kept_);
    form->addRow("Colonne in memoria:", inMemory_);
    form->addRow("Tempo:", elapsed_);
    outcome_ = new QLabel(this);
    outcome_->setObjectName("LabRisultato");
    outcome_->setMinimumHeight(64);
    outcome_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    stop_ = new QPushButton("Stop", this);
    stop_->setObjectName("CommStop");
    stop_->setDefault(true);
    connect(stop_, &QPushButton::clicked, this, &SviluppoS::stop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(outcome_);
    layout->addWidget(stop_, 0, Qt::AlignRight);
    job_ = new BackgroundJob(shell, this);
    connect(job_, &BackgroundJob::tick, this, &SviluppoS::poll);
    connect(job_, &BackgroundJob::finished, this, &SviluppoS::end);
    setMinimumWidth(360);
}

bool SviluppoS::isRunning() const {
    return job_->isRunning();
}

bool SviluppoS::start(const QString& caption, std::function<RunResult(RunProgress&)> work) {
    if (job_->isRunning())
        return false;
    setWindowTitle(caption);
    result_ = {};
    outcome_->clear();
    stop_->setText("Stop");
    stop_->setEnabled(true);
    startedMs_ = QDateTime::currentMSecsSinceEpoch();
    job_->start([this, work] { result_ = work(progress_); }, progress_.cancel);
    poll();
    stop_->setFocus();
    return true;
}

void SviluppoS::stop() {
    if (job_->isRunning()) {
        job_->cancel();
        stop_->setEnabled(false);
    } else {
        closeWindow();
    }
}

// Enter and Escape stop a run, and close the window once it is over.
void SviluppoS::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (stop_->isEnabled())
            stop();
        return;
    }
    ChildWindow::keyPressEvent(event);
}

void SviluppoS::poll() {
    examined_->setText(countText(progress_.done.load()));
    conditioned_->setText(countText(progress_.conditioned.load()));
    kept_->setText(countText(progress_.kept.load()));
    inMemory_->setText(countText(progress_.inMemory.load()));
    elapsed_->setText(decimalText((QDateTime::currentMSecsSinceEpoch() - startedMs_) / 1000.0, 2) +
                      " s");
}

void SviluppoS::end() {
    examined_->setText(countText(result_.examined));
    conditioned_->setText(countText(result_.conditioned));
    kept_->setText(countText(result_.kept));
    inMemory_->setText(countText(result_.inMemory));
    elapsed_->setText(decimalText(job_->workMs() / 1000.0, 3) + " s");
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
            lines << "Rapporto = " + decimalText(result_.reductionRatio(), 2);
        }
        lines << qs(result_.finalCountText());
        for (const auto& l : result_.notes)
            lines << qs(l);
    }
    outcome_->setText(lines.join('\n'));
    // A longer end text needs room the window did not have while it ran.
    if (auto* frame = parentWidget(); frame && isVisible())
        frame->resize(frame->size().expandedTo(frame->sizeHint()));
    stop_->setText("Chiudi");
    stop_->setEnabled(true);
    stop_->setFocus();
    Q_EMIT finished();
}

} // namespace varnelo

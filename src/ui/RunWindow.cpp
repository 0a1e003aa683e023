#include "ui/RunWindow.h"

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
QLabel* figure(QWidget* parent, const char* name) {
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

RunWindow::RunWindow(Shell& shell, const QString& name, WindowSlots slots)
    : ChildWindow(shell, name, slots) {
    elapsed_ = figure(this, "LabTempo");
    figures_ = new QFormLayout;
    figures_->addRow("Tempo:", elapsed_);
    endText_ = new QLabel(this);
    endText_->setObjectName("LabRisultato");
    endText_->setMinimumHeight(64);
    endText_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    stop_ = new QPushButton("Stop", this);
    stop_->setObjectName("CommStop");
    stop_->setDefault(true);
    connect(stop_, &QPushButton::clicked, this, &RunWindow::stop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(figures_);
    layout->addWidget(endText_);
    layout->addWidget(stop_, 0, Qt::AlignRight);
    job_ = new BackgroundJob(shell, this);
    connect(job_, &BackgroundJob::tick, this, &RunWindow::tick);
    connect(job_, &BackgroundJob::finished, this, &RunWindow::end);
    setMinimumWidth(360);
}

QLabel* RunWindow::addFigure(const QString& label, const char* name) {
    QLabel* l = figure(this, name);
    figures_->insertRow(figures_->rowCount() - 1, label, l);
    return l;
}

bool RunWindow::isRunning() const {
    return job_->isRunning();
}

bool RunWindow::startJob(std::function<void()> work, std::atomic<bool>& cancel) {
    if (job_->isRunning())
        return false;
    endText_->clear();
    stop_->setText("Stop");
    stop_->setEnabled(true);
    startedMs_ = QDateTime::currentMSecsSinceEpoch();
    job_->start(std::move(work), cancel);
    tick();
    stop_->setFocus();
    return true;
}

void RunWindow::setEndText(const QStringList& lines) {
    endText_->setText(lines.join('\n'));
    // A longer end text needs room the window did not have while it ran.
    if (auto* frame = parentWidget(); frame && isVisible())
        frame->resize(frame->size().expandedTo(frame->sizeHint()));
}

void RunWindow::stop() {
    if (job_->isRunning()) {
        job_->cancel();
        stop_->setEnabled(false);
    } else {
        closeWindow();
    }
}

void RunWindow::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (stop_->isEnabled())
            stop();
        return;
    }
    ChildWindow::keyPressEvent(event);
}

void RunWindow::tick() {
    elapsed_->setText(
        italianDecimal((QDateTime::currentMSecsSinceEpoch() - startedMs_) / 1000.0, 2) + " s");
    showProgress();
}

void RunWindow::end() {
    elapsed_->setText(italianDecimal(job_->workMs() / 1000.0, 3) + " s");
    showEnd();
    stop_->setText("Chiudi");
    stop_->setEnabled(true);
    stop_->setFocus();
    Q_EMIT finished();
}

} // namespace varnelo

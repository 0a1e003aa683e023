#include "engine/ui/SviluppoS.h"

#include "shell/ui/Varnelo.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

namespace varnelo {

namespace {
QString count(qlonglong n) {
    return QLocale().toString(n);
}
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

SviluppoS::SviluppoS(Varnelo& main) : main_(main) {
    setObjectName("SviluppoS");
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
    outcome_->setWordWrap(true);
    outcome_->setMinimumHeight(48);
    stop_ = new QPushButton("Stop", this);
    stop_->setObjectName("CommStop");
    connect(stop_, &QPushButton::clicked, this, &SviluppoS::stop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(outcome_);
    layout->addWidget(stop_, 0, Qt::AlignRight);
    timer_ = new QTimer(this);
    timer_->setInterval(100);
    connect(timer_, &QTimer::timeout, this, &SviluppoS::poll);
    setMinimumWidth(340);
}

SviluppoS::~SviluppoS() {
    if (worker_) {
        progress_.cancel = true;
        worker_->wait();
        delete worker_;
    }
}

bool SviluppoS::start(const QString& caption, std::function<RunResult(RunProgress&)> work) {
    if (worker_)
        return false;
    setWindowTitle(caption);
    progress_.cancel = false;
    result_ = {};
    outcome_->clear();
    stop_->setText("Stop");
    stop_->setEnabled(true);
    startedMs_ = QDateTime::currentMSecsSinceEpoch();
    worker_ = QThread::create([this, work] {
        QElapsedTimer clock;
        clock.start();
        result_ = work(progress_);
        runMs_ = clock.elapsed();
    });
    // The end shows at once, not at the next tick of the counts.
    connect(worker_, &QThread::finished, this, &SviluppoS::poll, Qt::QueuedConnection);
    main_.setBusy(true);
    worker_->start();
    timer_->start();
    poll();
    return true;
}

void SviluppoS::stop() {
    if (worker_) {
        progress_.cancel = true;
        stop_->setEnabled(false);
    } else if (auto* sub = parentWidget()) {
        sub->close();
    }
}

void SviluppoS::poll() {
    examined_->setText(count(progress_.examined.load()));
    conditioned_->setText(count(progress_.conditioned.load()));
    kept_->setText(count(progress_.kept.load()));
    inMemory_->setText(count(progress_.inMemory.load()));
    elapsed_->setText(
        QLocale().toString((QDateTime::currentMSecsSinceEpoch() - startedMs_) / 1000.0, 'f', 2) +
        " s");
    if (worker_ && worker_->isFinished())
        end();
}

void SviluppoS::end() {
    timer_->stop();
    worker_->wait();
    delete worker_;
    worker_ = nullptr;
    examined_->setText(count(result_.examined));
    conditioned_->setText(count(result_.conditioned));
    kept_->setText(count(result_.kept));
    inMemory_->setText(count(result_.inMemory));
    elapsed_->setText(QLocale().toString(runMs_ / 1000.0, 'f', 3) + " s");
    QStringList lines;
    if (result_.failure) {
        for (const auto& l : result_.failure->lines)
            lines << QString::fromStdString(l);
    } else if (result_.cancelled) {
        lines << "Sviluppo interrotto: nessuna colonna tenuta.";
    } else {
        lines << QString::fromStdString(result_.description);
        if (!result_.differenceText.empty())
            lines << QString::fromStdString(result_.differenceText);
        if (result_.kept > 0)
            lines << QString("Colonne condizionate = %1   Rapporto = %2")
                         .arg(count(result_.conditioned))
                         .arg(QLocale().toString(result_.reductionRatio(), 'f', 2));
        lines << QString::fromStdString(result_.finalCountText());
    }
    outcome_->setText(lines.join('\n'));
    stop_->setText("Chiudi");
    stop_->setEnabled(true);
    main_.setBusy(false);
    Q_EMIT finished();
}

} // namespace varnelo

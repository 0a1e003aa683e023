#include "checking/ui/Confrontiamo.h"

#include "checking/ui/CategoryTable.h"
#include "checking/ui/DrawWinsChart.h"
#include "system/ProgramState.h"
#include "ui/Avviso.h"
#include "ui/BackgroundJob.h"
#include "ui/DialogParts.h"
#include "ui/Shell.h"
#include "ui/TableModel.h"
#include "ui/Text.h"

#include <QChartView>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace varnelo {

namespace {

QStringList categoryHeaders(QStringList before) {
    for (int c = 0; c < kCategoryCount; ++c)
        before << qs(categoryLabel(c));
    return before;
}

// Zeros left out: the few wins read at a glance.
TableModel::Cell countCell(std::int64_t n) {
    TableModel::Cell cell = TableModel::integer(n);
    if (n == 0)
        cell.text.clear();
    return cell;
}

// Sorted by the day it stands for, not by its text.
TableModel::Cell dateCell(const Draw& d) {
    TableModel::Cell cell = TableModel::text(qs(d.date()));
    cell.value = d.year * 10000 + d.month * 100 + d.day;
    return cell;
}

QColor bestColour(int best) {
    if (best >= 10)
        return {0xf4, 0xb4, 0xae};
    if (best >= 8)
        return {0xff, 0xe0, 0x9c};
    return {};
}

} // namespace

Confrontiamo::Confrontiamo(Shell& shell) : ChildWindow(shell, "Confrontiamo") {
    setWindowTitle("Confronto Sistema Archivio");
    summary_ = new QLabel(this);
    summary_->setObjectName("LabConfronto");
    summary_->setWordWrap(true);
    bar_ = new QProgressBar(this);
    bar_->setObjectName("PictCalcolo");
    bar_->setVisible(false);
    start_ = namedButton("Confronta", "CommConfronta", this);
    stop_ = namedButton("Stop", "CommStop", this);
    auto* close = namedButton("Chiudi", "CommChiudi", this);
    connect(start_, &QPushButton::clicked, this, &Confrontiamo::start);
    connect(stop_, &QPushButton::clicked, this, [this] { job_->cancel(); });
    connect(close, &QPushButton::clicked, this, &Confrontiamo::closeWindow);

    totals_ =
        new CategoryTable("MSFTotali", {"Scommesse vincenti", "Concorsi (la più alta)"}, this);

    draws_ = new TableModel(this);
    draws_->setHeaders(categoryHeaders({"Data", "Numeri", "EuroNum", "Migliore"}));
    auto* drawsView = makeStatisticsView(draws_, "MSFConfronto", -1, this);
    chart_ = makeDrawWinsChart(this);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("TabConfronto");
    tabs_->addTab(drawsView, " Concorsi ");
    tabs_->addTab(chart_, " Grafico ");

    auto* keys = new QHBoxLayout;
    keys->addWidget(bar_, 1);
    // Keeps the keys at the right while the progress bar is hidden.
    keys->addStretch(0);
    keys->addWidget(start_);
    keys->addWidget(stop_);
    keys->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    auto* middle = new QHBoxLayout;
    middle->addWidget(totals_, 0, Qt::AlignTop);
    middle->addWidget(tabs_, 1);
    layout->addWidget(summary_);
    layout->addLayout(middle, 1);
    layout->addLayout(keys);

    job_ = new BackgroundJob(shell, this);
    connect(job_, &BackgroundJob::tick, this, [this] {
        const auto total = progress_.total.load();
        bar_->setValue(total > 0 ? static_cast<int>(100 * progress_.done.load() / total) : 0);
    });
    connect(job_, &BackgroundJob::finished, this, &Confrontiamo::ended);
    auto enableKeys = [this] {
        start_->setEnabled(!this->shell().isBusy());
        stop_->setEnabled(isRunning());
    };
    connect(&shell.events(), &ShellEvents::busyChanged, this, enableKeys);
    enableKeys();
}

QSize Confrontiamo::sizeHint() const {
    return {1000, 620};
}

bool Confrontiamo::isRunning() const {
    return job_->isRunning();
}

void Confrontiamo::start() {
    if (isRunning())
        return;
    // The columns may be changing under another window's job.
    if (shell().isBusy()) {
        summary_->setText("Un altro lavoro è in corso: premi \"Confronta\" quando è finito.");
        return;
    }
    progress_.done = 0;
    progress_.total = 0;
    summary_->setText("Confronto in corso...");
    bar_->setValue(0);
    bar_->setVisible(true);
    job_->start(
        [this] {
            const ProgramState& s = state();
            result_ =
                compareWithDraws(s.columns, s.folder, s.selection, s.archive.selection, progress_);
        },
        progress_.cancel);
}

void Confrontiamo::ended() {
    bar_->setVisible(false);
    if (result_.failure)
        Avviso::ask(*result_.failure, this);
    fillTables();
}

void Confrontiamo::fillTables() {
    const ProgramState& s = state();
    const auto& rows = result_.draws;
    QString text = "Sistema " + qs(s.systemName) + ": " + countText(s.columns.systemTotal) +
                   " colonne, " + countText(rows.size()) + " concorsi della selezione statistica";
    if (!rows.empty())
        text +=
            " (dal " + qs(rows.back().draw.date()) + " al " + qs(rows.front().draw.date()) + ")";
    summary_->setText(text + (result_.cancelled ? ", confronto interrotto." : "."));

    totals_->setFigures({result_.totals.bets, result_.bestDraws});

    QList<TableModel::Row> table;
    table.reserve(static_cast<qsizetype>(rows.size()));
    for (const DrawWins& d : rows) {
        const int top = d.tally.best();
        TableModel::Row row{
            dateCell(d.draw), TableModel::text(qs(d.draw.numbersText())),
            TableModel::text(QString("%1 - %2")
                                 .arg(d.draw.numeroni[0], 2, 10, QChar('0'))
                                 .arg(d.draw.numeroni[1], 2, 10, QChar('0'))),
            TableModel::text(qs(categoryLabel(top))).withBackground(bestColour(top))};
        for (std::size_t c = 0; c < kCategoryCount; ++c)
            row << countCell(d.tally.bets[c]);
        table << row;
    }
    draws_->setRows(table);
    showDrawWins(chart_, result_);
}

void Confrontiamo::showEvent(QShowEvent* event) {
    ChildWindow::showEvent(event);
    if (!event->spontaneous())
        start();
}

void Confrontiamo::closeEvent(QCloseEvent* event) {
    // The run ends first; the window closes when it has.
    if (job_->closeWhenEnded([this] { closeWindow(); })) {
        event->ignore();
        return;
    }
    ChildWindow::closeEvent(event);
}

} // namespace varnelo

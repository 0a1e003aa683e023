#include "checking/ui/Comfronto.h"

#include "checking/WinLevelsText.h"
#include "checking/ui/WinLevelsRunner.h"
#include "ui/BarChart.h"
#include "ui/DialogParts.h"
#include "ui/Shell.h"
#include "ui/TableModel.h"
#include "ui/Text.h"

#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace varnelo {

namespace {

// Best scores from Cinque (bottom of the bar) down to Zero.
const std::array<QColor, kColumnSize + 1> kScoreColour = {
    QColor(0xbd, 0xbd, 0xbd), QColor(0x9e, 0xc5, 0xe8), QColor(0x4a, 0x90, 0xd0),
    QColor(0xf2, 0xb1, 0x3c), QColor(0xe0, 0x6c, 0x2e), QColor(0xb8, 0x1d, 0x2a)};

double share(const WinLevel& level, int score) {
    return level.sets == 0 ? 0.0
                           : 100.0 * static_cast<double>(level.byScore[score].sets) /
                                 static_cast<double>(level.sets);
}

} // namespace

Comfronto::Comfronto(Shell& shell) : ChildWindow(shell, "Comfronto", {}) {
    setWindowTitle("Grafico vincite");
    runner_ = new WinLevelsRunner(shell, this);
    chart_ = makeBarChart("GraficoVincite", this);
    chart_->setMinimumSize(560, 340);
    model_ = new TableModel(this);
    QStringList heads{"Livello"};
    for (int b = kColumnSize; b >= 0; --b)
        heads << qs(scoreName(b));
    heads << "Combinazioni";
    model_->setHeaders(heads);
    auto* table = new QTableView(this);
    table->setObjectName("TabellaVincite");
    table->setModel(model_);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(20);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(kColumnSize + 2, QHeaderView::ResizeToContents);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFixedHeight(table->horizontalHeader()->sizeHint().height() + 5 * 20 + 4);
    auto* calculate = namedButton("Avvia Calcolo", "ComandoCalcolo", this);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(runner_, 1);
    bottom->addWidget(calculate, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chart_, 1);
    layout->addWidget(table);
    layout->addLayout(bottom);
    resize(700, 640);

    connect(calculate, &QPushButton::clicked, runner_, &WinLevelsRunner::start);
    connect(runner_, &WinLevelsRunner::withFixedToggled, runner_, &WinLevelsRunner::start);
    connect(runner_, &WinLevelsRunner::finished, this, &Comfronto::showResult);
    connect(runner_, &WinLevelsRunner::dropped, this, &Comfronto::showResult);
    connect(&shell.events(), &ShellEvents::busyChanged, calculate,
            [calculate](bool busy) { calculate->setEnabled(!busy); });
    // The chart is what the window is for: it is drawn as soon as it opens.
    QTimer::singleShot(0, runner_, &WinLevelsRunner::start);
    showResult();
}

void Comfronto::systemChanged() {
    runner_->checkSystem();
}

void Comfronto::showResult() {
    const bool shown = runner_->hasResult();
    QStringList levels;
    QList<BarPart> parts;
    for (int b = kColumnSize; b >= 0; --b)
        parts << BarPart{qs(scoreName(b)), kScoreColour[static_cast<std::size_t>(b)], {}};
    QList<TableModel::Row> rows;
    for (int k = 1; k <= kColumnSize; ++k) {
        const WinLevel& level = runner_->result().level[k];
        levels << QString("%1 su 5").arg(k);
        TableModel::Row row{TableModel::text(qs(levelHeading(k)))};
        for (int b = kColumnSize; b >= 0; --b) {
            const double v = shown ? share(level, b) : 0.0;
            parts[kColumnSize - b].values << v;
            row << (shown && b <= k && level.sets > 0 ? TableModel::percent(v)
                                                      : TableModel::text(""));
        }
        row << (shown ? TableModel::integer(level.sets) : TableModel::text(""));
        rows << row;
    }
    // A score no set reaches anywhere stays out of the legend.
    parts.removeIf([](const BarPart& p) {
        return std::all_of(p.values.begin(), p.values.end(), [](double v) { return v == 0; });
    });
    setStackedBars(chart_, "Miglior punteggio delle colonne per ogni combinazione di numeri",
                   levels, "Numeri vincenti tra i numeri del sistema", parts,
                   "Combinazioni del livello (%)", 100);
    model_->setRows(rows);
}

} // namespace varnelo

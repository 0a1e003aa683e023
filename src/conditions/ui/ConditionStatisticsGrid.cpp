#include "conditions/ui/ConditionStatisticsGrid.h"

#include "conditions/SlotStatistics.h"
#include "system/SystemRun.h"
#include "ui/TableModel.h"
#include "ui/Text.h"

#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

namespace varnelo {

namespace {
// "Presenze": how many of the newest draws of the selection had the value.
constexpr std::size_t kRecentDraws = 10;
} // namespace

ConditionStatisticsGrid::ConditionStatisticsGrid(ProgramState& state,
                                                 std::function<QString(int)> recovery,
                                                 QWidget* parent)
    : QGroupBox("Statistiche sulle colonne in archivio:", parent), state_(state),
      recovery_(std::move(recovery)), source_([this](int slot) { return slotSource(slot); }) {
    model_ = new TableModel(this);
    model_->setHeaders({"Val.", "Usciti", "Frequenza", "Ritardo", "Rit.Max", "Ciclo", "Recupero",
                        "Presenze", "Distr.Sistema", "%Uscit"});
    grid_ = makeStatisticsView(model_, "MSFlexGrid2", 0, this);
    // Room for every heading: the figures are read side by side.
    grid_->setMinimumSize(500, 300);
    auto* analyse = new QPushButton(" Analisi statistica ", this);
    analyse->setObjectName("CommAnalisi");
    connect(analyse, &QPushButton::clicked, this, [this] { this->analyse(key_); });
    summary_ = new QLabel(this);
    summary_->setObjectName("LabAnalisi");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(analyse);
    row->addWidget(summary_, 1);
    layout->addLayout(row);
}

void ConditionStatisticsGrid::setSource(std::function<Source(int)> source) {
    source_ = std::move(source);
}

ConditionStatisticsGrid::Source ConditionStatisticsGrid::slotSource(int slot) const {
    auto context = std::shared_ptr<const RunContext>(makeRunContext(state_));
    const SequelePatterns& sequele = state_.families.sequele;
    auto system = std::make_shared<std::vector<std::int64_t>>(
        slotColumnCounts(slot, state_.columns, context->metrics, sequele));
    const int first = slotValueRange(slot).min;
    return {[slot, context, &sequele](std::span<const Column> draws) {
                return slotStatistics(slot, draws, context->metrics, sequele);
            },
            [system, first](int value) {
                const auto at = static_cast<std::size_t>(value - first);
                return value >= first && at < system->size() ? (*system)[at] : 0;
            }};
}

void ConditionStatisticsGrid::clearFor(int key) {
    key_ = key;
    model_->clear();
    summary_->setText("Premere \" Analisi statistica \" per le statistiche della condizione.");
}

// "Recupero" shows the value's own recovery level, "Presenze" its
// appearances among the newest ten draws, "%Uscit" the share of the
// system's columns that have it; a value that never came out has Ciclo 0.
// The newest draws are counted as the difference of two walks of the whole
// selection, so that figures which depend on the draws before (delays) are
// valued as in the full walk.
void ConditionStatisticsGrid::analyse(int key) {
    key_ = key;
    QElapsedTimer clock;
    clock.start();
    std::vector<Column> draws;
    draws.reserve(state_.archive.selection.size());
    for (const Draw& d : state_.archive.selection)
        draws.push_back(d.numbers);
    const Source source = source_(key);
    const ValueStatistics all = source.walk(draws);
    const std::size_t older = draws.size() - std::min(draws.size(), kRecentDraws);
    const ValueStatistics before = source.walk(std::span<const Column>(draws).first(older));
    std::vector<std::int64_t> system;
    for (int v = all.minValue(); v <= all.maxValue(); ++v)
        system.push_back(source.systemColumns(v));
    const StatisticsPanel panel = statisticsPanel(all, system, state_.columns.storedCount);

    QList<TableModel::Row> rows;
    for (const PanelRow& r : panel.rows) {
        if (source.onlySeen && r.out == 0 && r.systemColumns == 0)
            continue;
        rows << TableModel::Row{TableModel::integer(r.value),
                                TableModel::integer(static_cast<qint64>(r.out)),
                                TableModel::decimal(r.frequency),
                                TableModel::integer(static_cast<qint64>(r.delay)),
                                TableModel::integer(static_cast<qint64>(r.maxDelay)),
                                TableModel::decimal(r.cycle),
                                TableModel::text(recovery_(r.value)),
                                TableModel::integer(all.out(r.value) - before.out(r.value)),
                                TableModel::integer(static_cast<qint64>(r.systemColumns)),
                                TableModel::percent(r.systemShare)};
    }
    model_->setRows(std::move(rows));
    summary_->setText(QString("Estrazioni esaminate: %1   (%2 ms)")
                          .arg(countText(all.draws()))
                          .arg(clock.elapsed()));
}

} // namespace varnelo

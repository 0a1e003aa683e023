#include "conditions/ui/QuadroStatistics.h"

#include "conditions/FilterColumns.h"
#include "conditions/QuadroTools.h"
#include "system/ProgramState.h"
#include "ui/DialogParts.h"
#include "ui/TableModel.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace varnelo {

QuadroStatistics::QuadroStatistics(ProgramState& state, std::function<const AndOrQuadro&()> quadro,
                                   std::function<std::optional<std::uint64_t>()> highlighted,
                                   QWidget* parent)
    : QGroupBox("Statistiche sulle estrazioni selezionate:", parent), state_(state),
      quadro_(std::move(quadro)), highlighted_(std::move(highlighted)) {
    model_ = new TableModel(this);
    auto* view = makeStatisticsView(model_, "MSFStatistiche", -1, this);
    auto* years = namedButton(" Analisi statistica per Anno ", "CommAnno", this);
    connect(years, &QPushButton::clicked, this, &QuadroStatistics::byYear);
    auto* numbers = namedButton("  Frequenza Numeri  ", "CommFrequenza", this);
    connect(numbers, &QPushButton::clicked, this, &QuadroStatistics::numberFrequency);
    auto* column = namedButton(" Statistiche sulla colonna evidenziata ", "CommColonna", this);
    connect(column, &QPushButton::clicked, this, &QuadroStatistics::highlightedColumn);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(years);
    buttons->addWidget(numbers);
    buttons->addWidget(column);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(view, 1);
}

void QuadroStatistics::clear() {
    model_->setHeaders({});
    model_->clear();
}

// Per year: the draws, those the quadro admits, and its mean figures per draw.
void QuadroStatistics::byYear() {
    const QuadroYears years = quadroYears(quadro_(), state_.archive.selection);
    model_->setHeaders(
        {"Anno", "Estrazioni", "Quadro soddisfatto", "%", "Col. Indovinate", "Punti"});
    auto row = [](const QString& caption, const QuadroYear& y) {
        const double share = y.draws > 0 ? 100.0 * y.satisfied / y.draws : 0.0;
        return TableModel::Row{TableModel::text(caption),        TableModel::integer(y.draws),
                               TableModel::integer(y.satisfied), TableModel::percent(share),
                               TableModel::decimal(y.guessed),   TableModel::decimal(y.points)};
    };
    QList<TableModel::Row> rows;
    for (const QuadroYear& y : years.years)
        rows << row(QString::number(y.year), y);
    if (!years.years.empty())
        rows << row("Media", years.mean);
    model_->setRows(std::move(rows));
}

// Per number: the filter columns that hold it, and its figures in the draws.
void QuadroStatistics::numberFrequency() {
    const auto counts = quadroNumberCounts(quadro_());
    const DelayTables& t = state_.delayTables;
    model_->setHeaders({"Numero", "Colonne filtro", "Usciti", "Ritardo"});
    QList<TableModel::Row> rows;
    for (int n = 1; n <= kMaxNumber; ++n)
        rows << TableModel::Row{TableModel::integer(n),
                                TableModel::integer(counts[static_cast<std::size_t>(n)]),
                                TableModel::integer(t.out(n)), TableModel::integer(t.delay(n))};
    model_->setRows(std::move(rows));
}

// The hits 0..5 of every selected draw against the highlighted filter column.
void QuadroStatistics::highlightedColumn() {
    const auto numbers = highlighted_();
    if (!numbers) {
        clear();
        return;
    }
    std::vector<Column> draws;
    for (const Draw& d : state_.archive.selection)
        draws.push_back(d.numbers);
    const ValueStatistics s = filterColumnStatistics(*numbers, draws);
    model_->setHeaders({"Val", "Usciti", "Ritardo", "Rit.Max", "Frequenza", "Ciclo"});
    QList<TableModel::Row> rows;
    for (int h = s.minValue(); h <= s.maxValue(); ++h)
        rows << TableModel::Row{TableModel::integer(h),
                                TableModel::integer(s.out(h)),
                                TableModel::integer(s.delay(h)),
                                TableModel::integer(s.maxDelay(h)),
                                TableModel::decimal(s.frequency(h)),
                                TableModel::decimal(s.cycle(h))};
    model_->setRows(std::move(rows));
}

} // namespace varnelo

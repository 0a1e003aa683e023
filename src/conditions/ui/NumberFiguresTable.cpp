#include "conditions/ui/NumberFiguresTable.h"

#include "system/ProgramState.h"
#include "ui/TableModel.h"
#include "ui/Text.h"

#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace varnelo {

NumberFiguresTable::NumberFiguresTable(ProgramState& state, QWidget* parent)
    : QGroupBox(parent), state_(state) {
    model_ = new TableModel(this);
    model_->setHeaders(
        {"Val", "Usciti", "Frequenza", "Ritardo", "Rit.Max", "Ciclo", "%Uscita", "Col.Vincente"});
    auto* view = makeStatisticsView(model_, "MSFNumeri", -1, this);
    // Every column in sight, "Col.Vincente" included.
    view->setMinimumWidth(640);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view);
}

void NumberFiguresTable::refill() {
    const DelayTables& t = state_.delayTables;
    setTitle(QString("Numeri nelle ultime %1 estrazioni:").arg(countText(t.draws())));
    Column latest{};
    if (!state_.archive.selection.empty())
        latest = state_.archive.selection.back().numbers;
    // The figures are kept × 10000; the ratios were rounded to two decimals.
    auto ratio = [&t](NumberFigure f, int n) {
        return TableModel::decimal(static_cast<double>(t.figure(f, n)) / 10000.0);
    };
    QList<TableModel::Row> rows;
    for (int n = 1; n <= kMaxNumber; ++n) {
        const bool drawn = std::find(latest.begin(), latest.end(), n) != latest.end();
        rows << TableModel::Row{TableModel::integer(n),
                                TableModel::integer(t.out(n)),
                                ratio(NumberFigure::Frequency, n),
                                TableModel::integer(t.delay(n)),
                                TableModel::integer(t.maxDelay(n)),
                                ratio(NumberFigure::Cycle, n),
                                ratio(NumberFigure::Percent, n),
                                TableModel::text(drawn ? "Sì" : "")};
    }
    model_->setRows(std::move(rows));
}

} // namespace varnelo

#include "checking/ui/Tortaa.h"

#include "checking/NumberCounts.h"
#include "system/ProgramState.h"
#include "ui/Avviso.h"
#include "ui/BarChart.h"
#include "ui/DialogParts.h"
#include "ui/NumberSpreadRows.h"
#include "ui/Shell.h"
#include "ui/TableModel.h"
#include "ui/Text.h"

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace varnelo {

namespace {

const QColor kEvenColour(0xc0, 0x30, 0x30);

// The even spread as a level line across all the bars.
void drawEvenLine(QChartView* view, int bars, double even) {
    QChart* chart = view->chart();
    auto* line = new QLineSeries;
    line->setName("Distribuzione uniforme");
    line->setPen(QPen(kEvenColour, 2, Qt::DashLine));
    line->append(-0.5, even);
    line->append(bars - 0.5, even);
    chart->addSeries(line);
    for (QAbstractAxis* axis : chart->axes())
        line->attachAxis(axis);
}

// The numbers of the table that share the count `count`.
QString numbersWith(const NumberSpread& spread, std::int64_t count) {
    QStringList out;
    for (const NumberShare& n : spread.numbers)
        if (n.count == count)
            out << QString::number(n.number);
    return out.join(", ");
}

QString summaryText(const NumberSpread& spread) {
    QString text = QString("Colonne esaminate: %1      Numeri in gioco: %2      "
                           "Presenze per numero con distribuzione uniforme: %3")
                       .arg(countText(spread.columns))
                       .arg(spread.numbers.size())
                       .arg(italianDecimal(spread.even, 2));
    if (spread.columns == 0 || spread.numbers.empty())
        return text;
    const auto [least, most] = std::minmax_element(
        spread.numbers.begin(), spread.numbers.end(),
        [](const NumberShare& a, const NumberShare& b) { return a.count < b.count; });
    if (least->count == most->count)
        return text + QString("\nOgni numero compare in %1 colonne.").arg(countText(most->count));
    return text + QString("\nPiù presenti: %1 (%2 colonne)      Meno presenti: %3 (%4 colonne)")
                      .arg(numbersWith(spread, most->count), countText(most->count),
                           numbersWith(spread, least->count), countText(least->count));
}

} // namespace

Tortaa::Tortaa(Shell& shell) : ChildWindow(shell, "Tortaa") {
    setWindowTitle("Distribuzione segni");
    summary_ = new QLabel(this);
    summary_->setObjectName("LabRiepilogo");
    summary_->setWordWrap(true);

    model_ = new TableModel(this);
    model_->setHeaders(numberSpreadHeaders());
    table_ = makeStatisticsView(model_, "MSFSegni", -1, this);
    table_->setToolTip("Clic su un'intestazione per ordinare");
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    chart_ = makeBarChart("GraficoSegni", this);
    chart_->setMinimumSize(460, 320);
    auto* legend = new QLabel("La linea rossa tratteggiata segna le presenze che ogni numero "
                              "avrebbe se tutti i numeri in gioco comparissero lo stesso numero "
                              "di volte; lo scarto è la distanza da quella linea.",
                              this);
    legend->setWordWrap(true);
    auto* chartSide = new QWidget(this);
    auto* chartLayout = new QVBoxLayout(chartSide);
    chartLayout->setContentsMargins(0, 0, 0, 0);
    chartLayout->addWidget(chart_, 1);
    chartLayout->addWidget(legend);

    auto* split = new QSplitter(this);
    split->addWidget(table_);
    split->addWidget(chartSide);
    split->setStretchFactor(1, 1);
    split->setChildrenCollapsible(false);

    auto* close = namedButton("Chiudi", "CommChiudi", this);
    connect(close, &QPushButton::clicked, this, [this] { closeWindow(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(split, 1);
    layout->addLayout(buttons);
    // Counted before the first showing, so that the window opens wide enough for the table.
    recount();
}

void Tortaa::showEvent(QShowEvent* event) {
    ChildWindow::showEvent(event);
    if (stale_)
        recount();
}

void Tortaa::systemChanged() {
    stale_ = true;
    // A running development is still writing the columns.
    if (isVisible() && !shell().isBusy())
        recount();
}

void Tortaa::recount() {
    stale_ = false;
    const ProgramState& s = state();
    const NumberCounts counts = countNumbers(s.columns, s.folder.path("qor/qor.qor"));
    const NumberSpread spread = spreadOf(counts, s.selection.chosenNumbers());
    QStringList numbers;
    QList<double> values;
    for (const NumberShare& n : spread.numbers) {
        numbers << QString::number(n.number);
        values << static_cast<double>(n.count);
    }
    model_->setRows(numberSpreadRows(spread));
    // Every column of the table in sight; the chart takes the rest.
    fitColumnsInSight(table_);
    summary_->setText(summaryText(spread));

    setBars(chart_,
            QString("Presenze di ogni numero nelle %1 colonne").arg(countText(spread.columns)),
            numbers, values, "Presenze");
    showBarValues(chart_);
    if (!values.isEmpty())
        drawEvenLine(chart_, static_cast<int>(values.size()), spread.even);

    if (counts.notice)
        QTimer::singleShot(0, this, [this, n = *counts.notice] { Avviso::ask(n, this); });
}

} // namespace varnelo

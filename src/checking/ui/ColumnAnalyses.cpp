#include "checking/ui/ColumnAnalyses.h"

#include "checking/LevelScores.h"
#include "checking/NumberCounts.h"
#include "checking/SystemCheck.h"
#include "checking/WinLevelsText.h"
#include "checking/ui/CategoryChart.h"
#include "checking/ui/CategoryTable.h"
#include "checking/ui/WinLevelsRunner.h"
#include "system/ProgramState.h"
#include "ui/Avviso.h"
#include "ui/BarChart.h"
#include "ui/Shell.h"
#include "ui/TableModel.h"
#include "ui/Text.h"

#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QLabel>
#include <QPieSeries>
#include <QPieSlice>
#include <QTableView>
#include <QVBoxLayout>

namespace varnelo {

namespace {

// The best scores under the bars, spaced as the old program printed them.
const QString kScoreScale = "     0          1          2          3          4          5";

const QColor kLevelColours[] = {QColor(0x6a, 0xa8, 0x4f), QColor(0xe6, 0x9a, 0x28),
                                QColor(0xc0, 0x39, 0x2b)};

QString numbersText(const std::vector<int>& numbers) {
    QStringList parts;
    for (int n : numbers)
        parts << QString::number(n);
    return parts.join('-');
}

} // namespace

ColumnAnalyses::ColumnAnalyses(Shell& shell, const ColumnStore& columns, QWidget* parent)
    : QTabWidget(parent), shell_(shell), columns_(columns) {
    setObjectName("Check1");
    addTab(makeProbabilityPage(), " Probabilita ");
    levelsChart_ = makeBarChart("GraficoVincite", this);
    addTab(levelsChart_, " Grafico vincite ");
    pie_ = new QChartView(new QChart, this);
    pie_->setObjectName("GraficoTorta");
    pie_->setRenderHint(QPainter::Antialiasing);
    pie_->chart()->legend()->hide();
    pie_->chart()->setTitle("Distribuzione dei segni:");
    addTab(pie_, " Torta ");
    addTab(makeCheckPage(), " Spoglio ");
    showProbabilities();
    columnsChanged();
}

QWidget* ColumnAnalyses::makeProbabilityPage() {
    auto* page = new QWidget(this);
    runner_ = new WinLevelsRunner(shell_, page, "Probabilita");
    runner_->setColumns(&columns_);
    connect(runner_, &WinLevelsRunner::finished, this, [this] {
        showProbabilities();
        Q_EMIT runningChanged();
    });
    connect(runner_, &WinLevelsRunner::dropped, this, &ColumnAnalyses::showProbabilities);
    levels_ = new TableModel(this);
    QStringList heads;
    for (const std::string& h : levelScoreHeads())
        heads << qs(h);
    levels_->setHeaders(heads);
    levelsGrid_ = new QTableView(page);
    levelsGrid_->setObjectName("MSFlexGrid2");
    levelsGrid_->setModel(levels_);
    levelsGrid_->verticalHeader()->hide();
    levelsGrid_->verticalHeader()->setDefaultSectionSize(20);
    levelsGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    levelsGrid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    levelsGrid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(runner_);
    layout->addWidget(levelsGrid_, 1);
    return page;
}

QWidget* ColumnAnalyses::makeCheckPage() {
    auto* page = new QWidget(this);
    checkSummary_ = new QLabel(page);
    checkSummary_->setObjectName("LabSpoglio");
    checkSummary_->setWordWrap(true);
    checkChart_ = makeBarChart("GraficoSpoglio", page);
    // Below the figures: side by side the page is too narrow for both.
    checkChart_->setMinimumHeight(180);
    checkFigures_ = new CategoryTable("MSFRiepilogo", {"Colonne", "Scommesse"}, page);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(checkSummary_);
    layout->addWidget(checkFigures_, 0, Qt::AlignLeft);
    layout->addWidget(checkChart_, 1);
    return page;
}

bool ColumnAnalyses::probabilities() {
    if (!runner_->start())
        return false;
    setCurrentIndex(ProbabilityPage);
    Q_EMIT runningChanged();
    return true;
}

bool ColumnAnalyses::isRunning() const {
    return runner_->isRunning();
}

bool ColumnAnalyses::closeWhenEnded(std::function<void()> close) {
    return runner_->closeWhenEnded(std::move(close));
}

void ColumnAnalyses::showProbabilities() {
    if (!runner_->hasResult()) {
        levels_->clear();
        setBars(levelsChart_, "Grafico vincite", kScoreScale.split(' ', Qt::SkipEmptyParts), {},
                "% delle combinazioni", 100);
        return;
    }
    const WinLevels& result = runner_->result();
    QList<TableModel::Row> rows;
    for (const LevelScoreRow& r : levelScoreRows(result)) {
        TableModel::Row row;
        for (const std::string& cell : r) {
            TableModel::Cell c = TableModel::text(qs(cell));
            c.alignment = row.isEmpty() ? Qt::AlignLeft | Qt::AlignVCenter
                                        : Qt::AlignRight | Qt::AlignVCenter;
            row << c;
        }
        rows << row;
    }
    levels_->setRows(rows);
    for (int r = 0; r < rows.size(); r += 2)
        levels_->setRowBackground(r, QColor(0xee, 0xf2, 0xf8));
    QList<BarPart> parts;
    int colour = 0;
    for (int k : kLevelScoreLevels) {
        const WinLevel& level = result.level[static_cast<std::size_t>(k)];
        BarPart part{qs(levelHeading(k)), kLevelColours[colour++], {}};
        for (int b = 0; b <= kColumnSize; ++b)
            part.values << (level.sets > 0 ? 100.0 * static_cast<double>(level.byScore[b].sets) /
                                                 static_cast<double>(level.sets)
                                           : 0.0);
        parts << part;
    }
    setGroupedBars(levelsChart_, "Grafico vincite", kScoreScale.split(' ', Qt::SkipEmptyParts),
                   "Punteggio migliore delle colonne", parts, "% delle combinazioni", 100);
}

void ColumnAnalyses::pie() {
    QChart* chart = pie_->chart();
    chart->removeAllSeries();
    const NumberCounts counts = countNumbers(columns_, {});
    auto* series = new QPieSeries;
    int inPlay = 0;
    for (int n = 1; n <= kMaxNumber; ++n)
        inPlay += counts.count[static_cast<std::size_t>(n)] > 0;
    int at = 0;
    for (int n = 1; n <= kMaxNumber; ++n) {
        const std::int64_t c = counts.count[static_cast<std::size_t>(n)];
        if (c == 0)
            continue;
        QPieSlice* slice = series->append(QString::number(n), static_cast<double>(c));
        slice->setColor(QColor::fromHsv(at++ * 360 / std::max(1, inPlay), 120, 235));
        slice->setBorderColor(Qt::white);
        slice->setLabelVisible(true);
    }
    series->setPieSize(0.72);
    chart->addSeries(series);
    chart->setTitle("Distribuzione dei segni:   " + countText(counts.columns) + " colonne, " +
                    countText(inPlay) + " numeri");
    setCurrentIndex(PiePage);
}

void ColumnAnalyses::check(const Combination& combination) {
    Progress progress;
    const SystemCheck result = checkSystem(columns_, shell_.state().folder,
                                           shell_.state().selection, combination, progress);
    if (result.failure)
        Avviso::ask(*result.failure, this);
    const WinTally& t = result.tally;
    QString text = "Combinazione " + numbersText(combination.markedNumbers()) + ": " +
                   countText(t.checked) + " colonne controllate.";
    if (t.best() >= 0)
        text += "  Categoria più alta: " + qs(categoryLabel(t.best()));
    checkSummary_->setText(text);
    showCategoryBars(checkChart_, "Colonne per categoria", t);
    checkFigures_->setFigures({t.columns, t.bets});
    setCurrentIndex(CheckPage);
}

void ColumnAnalyses::columnsChanged() {
    runner_->checkSystem();
    pie_->chart()->removeAllSeries();
    checkSummary_->setText("Segna la combinazione sulla griglia e premi \"Spoglio\".");
    showCategoryBars(checkChart_, "Colonne per categoria", {});
    checkFigures_->setFigures({{}, {}});
}

} // namespace varnelo

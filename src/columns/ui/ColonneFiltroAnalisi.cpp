#include "columns/ui/ColonneFiltroAnalisi.h"

#include "columns/FilterAnalysis.h"
#include "columns/FilterSources.h"
#include "columns/ui/FilterListDraft.h"
#include "system/ProgramState.h"
#include "ui/Avviso.h"
#include "ui/BarChart.h"
#include "ui/TableModel.h"
#include "ui/TaskDialog.h"
#include "ui/Text.h"

#include <QChartView>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace varnelo {

namespace {

const char* kTitles[] = {"Analisi statistica", "Analisi statistica per Anno", "Frequenza Numeri",
                         "Distribuzione ò previsioni sul sistema in corso"};

double share(std::int64_t part, std::int64_t whole) {
    return whole > 0 ? 100.0 * static_cast<double>(part) / static_cast<double>(whole) : 0.0;
}

QStringList hitHeaders(const QStringList& before, const QStringList& after) {
    QStringList h = before;
    for (int k = 0; k <= 5; ++k)
        h << QString("Punti %1").arg(k);
    return h + after;
}

} // namespace

ColonneFiltroAnalisi::ColonneFiltroAnalisi(Shell& shell, FilterListDraft& draft)
    : FilterCompanion(shell, draft, "ColonneFiltroAnalisi", "Analisi delle colonne filtro") {
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("TabAnalisi");
    for (int p = 0; p < PageCount; ++p)
        tabs_->addTab(makePage(static_cast<Page>(p)), QString::fromUtf8(kTitles[p]));
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int p) {
        if (!filled_[static_cast<std::size_t>(p)])
            showPage(p);
    });
    connect(&draft, &FilterListDraft::analysisAsked, this, [this](int p) {
        tabs_->blockSignals(true);
        tabs_->setCurrentIndex(p);
        tabs_->blockSignals(false);
        showPage(p);
    });
    connect(&draft, &FilterListDraft::listChanged, this, [this] { filled_.fill(false); });
    auto* layout = new QVBoxLayout;
    layout->addWidget(tabs_, 1);
    setContent(layout, nullptr);
}

void ColonneFiltroAnalisi::systemChanged() {
    filled_.fill(false);
}

QSize ColonneFiltroAnalisi::sizeHint() const {
    return {980, 600};
}

QWidget* ColonneFiltroAnalisi::makePage(Page page) {
    auto* widget = new QWidget(tabs_);
    PageParts& parts = pages_[page];
    parts.summary = new QLabel(widget);
    parts.summary->setObjectName(QString("LabAnalisi(%1)").arg(page));
    parts.summary->setWordWrap(true);
    parts.summary->setMinimumHeight(parts.summary->fontMetrics().lineSpacing() * 2 + 6);
    parts.model = new TableModel(widget);
    parts.view = makeStatisticsView(parts.model, QString("MSFAnalisi(%1)").arg(page), -1, widget);
    parts.view->horizontalHeader()->setStretchLastSection(true);
    auto* split = new QSplitter(Qt::Horizontal, widget);
    parts.split = split;
    split->addWidget(parts.view);
    if (page == System) {
        parts.second = new TableModel(widget);
        auto* perColumn = makeStatisticsView(parts.second, "MSFAnalisiColonne", -1, widget);
        auto* right = new QSplitter(Qt::Vertical, split);
        right->addWidget(perColumn);
        parts.chart = makeBarChart("GraficoDistribuzione", right);
        right->addWidget(parts.chart);
        split->addWidget(right);
    } else if (page != Columns) {
        parts.chart = makeBarChart(QString("Grafico(%1)").arg(page), split);
        split->addWidget(parts.chart);
    }
    // A chart of many bars takes what the short tables leave.
    const bool chartFirst = page == Years || page == Numbers;
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, chartFirst ? 2 : 1);
    split->setSizes(chartFirst ? QList<int>{340, 620} : QList<int>{480, 480});
    auto* layout = new QVBoxLayout(widget);
    layout->addWidget(parts.summary);
    layout->addWidget(split, 1);
    return widget;
}

void ColonneFiltroAnalisi::showPage(int page) {
    switch (page) {
    case Columns:
        fillColumns();
        break;
    case Years:
        fillYears();
        break;
    case Numbers:
        fillNumbers();
        break;
    case System:
        fillSystem();
        break;
    default:
        return;
    }
    fitTable(pages_[static_cast<std::size_t>(page)]);
    filled_[static_cast<std::size_t>(page)] = true;
}

void ColonneFiltroAnalisi::fitTable(PageParts& parts) {
    if (parts.split->count() < 2)
        return;
    const QTableView* v = parts.view;
    int needed = v->verticalHeader()->isVisible() ? v->verticalHeader()->sizeHint().width() : 0;
    for (int c = 0; c < v->model()->columnCount(); ++c)
        needed += std::max(static_cast<const QAbstractItemView*>(v)->sizeHintForColumn(c),
                           v->horizontalHeader()->sectionSizeHint(c));
    needed += v->verticalScrollBar()->sizeHint().width() + 2 * v->frameWidth() + 4;
    const int total = std::max(parts.split->width(), needed + 300);
    parts.split->setSizes({needed, total - needed});
}

bool ColonneFiltroAnalisi::activated(ActiveFilters& store) {
    if (auto refused = activateFilterList(draft().list(), store)) {
        Avviso::ask(*refused, this);
        return false;
    }
    return true;
}

void ColonneFiltroAnalisi::fillColumns() {
    PageParts& parts = pages_[Columns];
    ActiveFilters store;
    if (!activated(store))
        return;
    std::vector<Column> draws;
    for (const Draw& d : state().archive.selection)
        draws.push_back(d.numbers);
    std::vector<FilterColumnRecord> records;
    Progress progress;
    TaskDialog::run(shell(), kTitles[Columns], "Analisi delle colonne filtro sull'archivio",
                    progress, [&] { records = analyseFilterColumns(store, draws, progress); });
    QList<TableModel::Row> rows;
    const auto& columns = draft().list().columns;
    for (std::size_t j = 0; j < records.size(); ++j) {
        const FilterColumnRecord& r = records[j];
        TableModel::Row row{TableModel::integer(static_cast<qint64>(j + 1)),
                            TableModel::text(qs(filterNumbersText(columns[j].numbers)))};
        for (const auto n : r.hits)
            row << TableModel::integer(n);
        row << TableModel::integer(r.admitted)
            << TableModel::percent(share(r.admitted, static_cast<std::int64_t>(draws.size())))
            << TableModel::integer(r.delay);
        rows << row;
    }
    parts.model->setHeaders(hitHeaders({"N°", "Colonna filtro"}, {"Ammesse", "%", "Ritardo"}));
    parts.model->setRows(rows);
    parts.summary->setText(
        QString("Estrazioni esaminate (archivio di ricerca): %1.  Per ogni colonna filtro: "
                "quante estrazioni hanno avuto 0..5 numeri in comune con essa, quante rientrano "
                "nei punti ammessi e da quante estrazioni non ne rientra una (Ritardo).")
            .arg(countText(static_cast<qlonglong>(draws.size()))));
}

void ColonneFiltroAnalisi::fillYears() {
    PageParts& parts = pages_[Years];
    ActiveFilters store;
    if (!activated(store))
        return;
    const auto& draws = state().archive.selection;
    std::vector<YearRecord> years;
    Progress progress;
    TaskDialog::run(shell(), kTitles[Years], "Analisi delle colonne filtro per anno", progress,
                    [&] { years = analyseByYear(store, draws, progress); });
    QList<TableModel::Row> rows;
    QStringList categories;
    QList<double> shares;
    auto rowOf = [](const QString& label, const YearRecord& y) {
        return TableModel::Row{
            TableModel::text(label), TableModel::integer(y.draws), TableModel::integer(y.passing),
            TableModel::percent(y.passingShare()), TableModel::decimal(y.meanAdmitting)};
    };
    for (const YearRecord& y : years) {
        rows << rowOf(QString::number(y.year), y);
        categories << QString::number(y.year);
        shares << y.passingShare();
    }
    if (!years.empty())
        rows << rowOf("Media", yearMean(years));
    parts.model->setHeaders(
        {"Anno", "Estrazioni", "Superano il filtro", "%", "Colonne filtro rispettate"});
    parts.model->setRows(rows);
    setBars(parts.chart, "Estrazioni che avrebbero superato il filtro (%)", categories, shares, "%",
            100);
    parts.summary->setText(
        QString("Per ogni anno dell'archivio di ricerca: quante estrazioni, prese come colonne "
                "sviluppate, avrebbero superato tutte le %1 colonne filtro, e quante colonne "
                "filtro ogni estrazione ha rispettato in media.")
            .arg(countText(static_cast<qlonglong>(store.size()))));
}

void ColonneFiltroAnalisi::fillNumbers() {
    PageParts& parts = pages_[Numbers];
    const auto frequency = numberFrequency(draft().list());
    const auto total = static_cast<std::int64_t>(draft().size());
    QList<TableModel::Row> rows;
    QStringList categories;
    QList<double> values;
    for (int n = 1; n <= kMaxNumber; ++n) {
        const auto f = frequency[static_cast<std::size_t>(n)];
        rows << TableModel::Row{TableModel::integer(n), TableModel::integer(f),
                                TableModel::percent(share(f, total))};
        categories << QString::number(n);
        values << f;
    }
    parts.model->setHeaders({"Numero", "Colonne filtro", "%"});
    parts.model->setRows(rows);
    setBars(parts.chart, "Colonne filtro che contengono il numero", categories, values, "Colonne");
    parts.summary->setText(
        QString("In quante delle %1 colonne filtro compare ogni numero.").arg(countText(total)));
}

void ColonneFiltroAnalisi::fillSystem() {
    PageParts& parts = pages_[System];
    ActiveFilters store;
    if (!activated(store))
        return;
    SystemDistribution d;
    Progress progress;
    TaskDialog::run(shell(), kTitles[System], "Colonne del sistema in corso", progress,
                    [&] { d = distributeSystem(store, state().columns, progress); });
    QList<TableModel::Row> rows;
    QStringList categories;
    QList<double> values;
    for (std::size_t k = 0; k < kFailureBuckets; ++k) {
        const QString label =
            k + 1 < kFailureBuckets ? QString::number(k) : QString("%1 o più").arg(k);
        rows << TableModel::Row{TableModel::text(label), TableModel::integer(d.byFailures[k]),
                                TableModel::percent(share(d.byFailures[k], d.columns))};
        categories << label;
        values << static_cast<double>(d.byFailures[k]);
    }
    parts.model->setHeaders({"Colonne filtro non rispettate", "Colonne del sistema", "%"});
    parts.model->setRows(rows);
    QList<TableModel::Row> perColumn;
    const auto& columns = draft().list().columns;
    for (std::size_t j = 0; j < d.rejected.size(); ++j) {
        TableModel::Row row{TableModel::integer(static_cast<qint64>(j + 1)),
                            TableModel::text(qs(filterNumbersText(columns[j].numbers)))};
        for (const auto n : d.hits[j])
            row << TableModel::integer(n);
        row << TableModel::integer(d.rejected[j]);
        perColumn << row;
    }
    parts.second->setHeaders(hitHeaders({"N°", "Colonna filtro"}, {"Scartate"}));
    parts.second->setRows(perColumn);
    setBars(parts.chart, "Colonne del sistema per colonne filtro non rispettate", categories,
            values, "Colonne");
    parts.summary->setText(
        d.columns == 0
            ? QString("Il sistema in corso non ha colonne: svilupparlo prima dell'analisi.")
            : QString("Colonne del sistema in corso: %1.  Superano il filtro: %2 (%3).")
                  .arg(countText(d.columns), countText(d.byFailures[0]),
                       italianDecimal(share(d.byFailures[0], d.columns), 2) + "%"));
}

} // namespace varnelo

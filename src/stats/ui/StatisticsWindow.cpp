#include "stats/ui/StatisticsWindow.h"

#include "core/AtomicWriter.h"
#include "stats/ui/ComboFilterProxy.h"
#include "stats/ui/StatWorkbook.h"
#include "system/ProgramState.h"
#include "ui/Avviso.h"
#include "ui/BarChart.h"
#include "ui/DialogParts.h"
#include "ui/TableModel.h"
#include "ui/Text.h"

#include <QChartView>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

namespace varnelo {

namespace {

constexpr int kMostBars = 60;

TableModel::Cell modelCell(const StatCell& c) {
    TableModel::Cell cell = TableModel::text(qs(c.text));
    if (c.figure) {
        cell.value = c.value;
        cell.alignment = Qt::AlignRight | Qt::AlignVCenter;
    }
    return cell;
}

QString rangeText(const std::vector<Draw>& draws) {
    if (draws.empty())
        return "Concorsi esaminati: 0 (la selezione dell'archivio è vuota)";
    return QString("Concorsi esaminati: %1   dal %2 al %3")
        .arg(countText(static_cast<qlonglong>(draws.size())), qs(draws.front().date()),
             qs(draws.back().date()));
}

} // namespace

StatisticsWindow::StatisticsWindow(Shell& shell, StatWindowLayout shape)
    : ChildWindow(shell, shape.name, {}), layout_(std::move(shape)) {
    setWindowTitle(layout_.title);
    auto* top = new QHBoxLayout;
    chooser_ = new QComboBox(this);
    chooser_->setObjectName("ComboTabella");
    chooser_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    top->addWidget(chooser_);
    if (const StatWindowLayout::Parameter& p = layout_.parameter; !p.label.isEmpty()) {
        auto* label = new QLabel(p.label, this);
        parameter_ = new QSpinBox(this);
        parameter_->setObjectName("TestoParametro");
        parameter_->setRange(p.minimum, p.maximum);
        parameter_->setValue(p.initial);
        label->setBuddy(parameter_);
        top->addSpacing(12);
        top->addWidget(label);
        top->addWidget(parameter_);
        connect(parameter_, &QSpinBox::valueChanged, this, &StatisticsWindow::rebuild);
    }
    if (layout_.comboFilter) {
        auto* label = new QLabel("Contiene i numeri:", this);
        filter_ = new QLineEdit(this);
        filter_->setObjectName("TestoFiltro");
        filter_->setPlaceholderText("es. 7 21");
        filter_->setClearButtonEnabled(true);
        top->addSpacing(12);
        top->addWidget(label);
        top->addWidget(filter_);
    }
    top->addStretch(1);

    model_ = new TableModel(this);
    proxy_ = new ComboFilterProxy(this);
    proxy_->setSourceModel(model_);
    view_ = new QTableView(this);
    view_->setObjectName("GrigliaStatistiche");
    view_->setModel(proxy_);
    view_->setSortingEnabled(true);
    view_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setDefaultSectionSize(20);
    view_->horizontalHeader()->setMinimumSectionSize(56);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    if (filter_)
        connect(filter_, &QLineEdit::textChanged, proxy_, &ComboFilterProxy::setNumbers);

    auto* split = new QSplitter(Qt::Vertical, this);
    split->setChildrenCollapsible(false);
    split->addWidget(view_);
    if (layout_.chartColumn >= 0) {
        chart_ = makeBarChart("GraficoStatistiche", split);
        chart_->setMinimumHeight(220);
        split->addWidget(chart_);
        split->setStretchFactor(0, 3);
        split->setStretchFactor(1, 2);
    }

    range_ = new QLabel(this);
    range_->setObjectName("LabConcorsi");
    auto* note = new QLabel(layout_.note, this);
    note->setObjectName("LabSpiegazione");
    note->setWordWrap(true);
    commands_ = new QHBoxLayout;
    auto* text = namedButton("Salva in TXT", "ComandiF(0)", this);
    auto* book = namedButton("Exporta in Excel", "ComandiF(1)", this);
    connect(text, &QPushButton::clicked, this, &StatisticsWindow::saveText);
    connect(book, &QPushButton::clicked, this, &StatisticsWindow::exportWorkbook);
    commands_->addStretch(1);
    commands_->addWidget(text);
    commands_->addWidget(book);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(split, 1);
    layout->addWidget(range_);
    layout->addWidget(note);
    layout->addLayout(commands_);
    connect(chooser_, &QComboBox::currentIndexChanged, this, &StatisticsWindow::showTable);
    rebuild();
}

QSize StatisticsWindow::sizeHint() const {
    return layout_.size.expandedTo(minimumSizeHint());
}

int StatisticsWindow::parameter() const {
    return parameter_ ? parameter_->value() : 0;
}

void StatisticsWindow::systemChanged() {
    if (state().archive.selection != counted_)
        rebuild();
}

void StatisticsWindow::rebuild() {
    const std::vector<Draw>& draws = state().archive.selection;
    counted_ = draws;
    tables_ = layout_.build(draws, parameter());
    range_->setText(rangeText(draws));
    const int shown = std::max(chooser_->currentIndex(), 0);
    {
        const QSignalBlocker quiet(chooser_);
        chooser_->clear();
        for (const StatTable& t : tables_)
            chooser_->addItem(qs(t.title));
    }
    chooser_->setVisible(tables_.size() > 1);
    chooser_->setCurrentIndex(std::min(shown, static_cast<int>(tables_.size()) - 1));
    showTable(chooser_->currentIndex());
    rebuilt();
}

void StatisticsWindow::showTable(int index) {
    if (index < 0 || index >= static_cast<int>(tables_.size())) {
        model_->clear();
        return;
    }
    const StatTable& t = tables_[static_cast<std::size_t>(index)];
    QStringList heads;
    for (const std::string& h : t.heads)
        heads << qs(h);
    QList<TableModel::Row> rows;
    rows.reserve(static_cast<qsizetype>(t.rows.size()));
    for (const StatRow& r : t.rows) {
        TableModel::Row cells;
        cells.reserve(static_cast<qsizetype>(r.size()));
        for (const StatCell& c : r)
            cells << modelCell(c);
        rows << cells;
    }
    model_->setHeaders(heads);
    model_->setRows(std::move(rows));
    // A few columns share the width; many keep their figures' width and scroll.
    constexpr std::size_t kSharedWidth = 8;
    view_->horizontalHeader()->setSectionResizeMode(
        t.heads.size() <= kSharedWidth ? QHeaderView::Stretch : QHeaderView::Interactive);
    if (t.heads.size() > kSharedWidth)
        view_->resizeColumnsToContents();
    if (!chart_)
        return;
    const auto column = static_cast<std::size_t>(layout_.chartColumn);
    const bool drawn = t.rows.size() <= kMostBars && column < t.heads.size();
    chart_->setVisible(drawn);
    if (!drawn)
        return;
    QStringList categories;
    QList<double> values;
    for (const StatRow& r : t.rows) {
        categories << qs(r[0].text);
        values << r[column].value;
    }
    setBars(chart_, qs(t.heads[column] + ": " + t.title), categories, values, qs(t.heads[column]));
    if (t.rows.size() <= 12)
        showBarValues(chart_);
}

QString StatisticsWindow::suggestedFile(const QString& extension) const {
    return qs(state().folder.root().string()) + "/" + layout_.fileName + extension;
}

void StatisticsWindow::saveText() {
    const QString file = QFileDialog::getSaveFileName(this, "Salva in TXT", suggestedFile(".txt"),
                                                      "File testo (*.txt)");
    if (file.isEmpty())
        return;
    const std::string heading = layout_.title.toStdString() + " - " + range_->text().toStdString();
    std::string error;
    if (!writeFileAtomically(file.toStdString(), tablesText(heading, tables_), error))
        Avviso::ask(Notice{"Salva in TXT", {"File non salvato:", error}}, this);
}

void StatisticsWindow::exportWorkbook() {
    const QString file = QFileDialog::getSaveFileName(
        this, "Exporta in Excel", suggestedFile(".xlsx"), "File Excel (*.xlsx)");
    if (file.isEmpty())
        return;
    QString error;
    if (!writeStatWorkbook(file, layout_.title, tables_, error))
        Avviso::ask(Notice{"Exporta in Excel", {"File non salvato:", error.toStdString()}}, this);
}

} // namespace varnelo

#include "reduced/ui/GestRidotti.h"

#include "reduced/ApplyReduced.h"
#include "reduced/CatalogueEntries.h"
#include "reduced/ReducedNames.h"
#include "reduced/ReducedSlip.h"
#include "reduced/RidStat.h"
#include "reduced/ui/CatalogueModel.h"
#include "system/ProgramState.h"
#include "ui/Avviso.h"
#include "ui/DialogParts.h"
#include "ui/NumberBoard.h"
#include "ui/Shell.h"
#include "ui/TableModel.h"
#include "ui/Text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <cmath>
#include <set>

namespace varnelo {

namespace {

constexpr double kLirePerEuro = 1936.27;

bool sameNumbers(const Selection& a, const Selection& b) {
    for (int n = 1; n <= kMaxNumber; ++n)
        if (a.state(n) != b.state(n))
            return false;
    return true;
}

// The system's description once the table is applied.
QString reducedTitle(const CatalogueEntry& e) {
    if (e.option > 0)
        return qs(orthogonalTitle(e.option).value_or(e.guarantee));
    return "Ridotto " + qs(guaranteeShortName(e.code.g, e.code.c).value_or(e.guarantee)).trimmed();
}

} // namespace

GestRidotti::GestRidotti(Shell& shell)
    : ChildWindow(shell, "GestRidotti", {}), catalogue_(programCatalogue()) {
    setWindowTitle("Ridotti Immediati");
    model_ = new CatalogueModel(catalogueEntries(catalogue_), this);
    filter_ = new CatalogueFilter(model_, this);

    table_ = new QTableView(this);
    table_->setObjectName("MSFGestioneS");
    table_->setModel(filter_);
    table_->setSortingEnabled(true);
    table_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(20);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    const int widths[CatalogueModel::FieldCount] = {118, 44, 210, 46, 84, 84, 0};
    for (int c = 0; c < CatalogueModel::FieldCount; ++c)
        table_->setColumnWidth(c, widths[c]);
    // The code reads in the distribution's caption and in each row's tip:
    // the grid keeps to what a player compares.
    table_->hideColumn(CatalogueModel::Code);
    table_->setMinimumWidth(600);
    table_->horizontalHeader()->setStretchLastSection(true);
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &GestRidotti::currentChanged);
    connect(table_, &QTableView::doubleClicked, this, [this] {
        if (adapt_->isEnabled())
            adapt();
    });

    adapt_ = namedButton("Adatta al pronostico", "CommAdatta", this);
    show_ = namedButton("Visualizza Ridotto", "CommVisualizza", this);
    print_ = namedButton("Imposta Per Stampa", "CommStampa", this);
    auto* close = namedButton("Chiudi", "CommChiudi", this);
    connect(adapt_, &QPushButton::clicked, this, &GestRidotti::adapt);
    connect(show_, &QPushButton::clicked, this, &GestRidotti::showColumns);
    connect(print_, &QPushButton::clicked, this, &GestRidotti::prepareForPrinting);
    connect(close, &QPushButton::clicked, this, &GestRidotti::closeWindow);

    auto* commands = new QGridLayout;
    commands->addWidget(adapt_, 0, 0);
    commands->addWidget(show_, 0, 1);
    commands->addWidget(print_, 1, 0);
    commands->addWidget(close, 1, 1);

    auto* left = new QVBoxLayout;
    left->addWidget(makeBoardFrame());
    left->addWidget(makeCostFrame());
    left->addLayout(commands);
    left->addStretch();

    auto* right = new QVBoxLayout;
    right->addWidget(makeFilterFrame());
    right->addWidget(table_, 1);
    right->addWidget(makeStatisticsFrame());

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right, 1);

    takeSystemNumbers();
    table_->selectRow(0);
    currentChanged();
}

QGroupBox* GestRidotti::makeBoardFrame() {
    boardFrame_ = new QGroupBox(this);
    boardFrame_->setObjectName("FramePronostico");
    numbers_ = new NumberBoard("MSFlexGrid3", board_, boardFrame_);
    connect(numbers_, &NumberBoard::changed, this, [this] {
        boardEdited_ = true;
        boardChanged();
    });
    boardHint_ = new QLabel(boardFrame_);
    boardHint_->setObjectName("LabSuggerimento");
    auto* layout = new QVBoxLayout(boardFrame_);
    layout->addWidget(numbers_);
    layout->addWidget(boardHint_);
    return boardFrame_;
}

QGroupBox* GestRidotti::makeFilterFrame() {
    auto* frame = new QGroupBox("Cerca nel catalogo:", this);
    numbersBox_ = new QComboBox(frame);
    numbersBox_->setObjectName("ComboNumeri");
    fixedBox_ = new QComboBox(frame);
    fixedBox_->setObjectName("ComboFisse");
    guaranteeBox_ = new QComboBox(frame);
    guaranteeBox_->setObjectName("ComboGaranzia");
    onlyFitting_ = new QCheckBox("Solo adatti al pronostico", frame);
    onlyFitting_->setObjectName("CheckAdatti");

    std::set<int> ns, fs;
    std::set<QString> gs;
    for (int r = 0; r < model_->rowCount(); ++r) {
        const CatalogueEntry& e = model_->entry(r);
        ns.insert(e.code.n);
        fs.insert(e.code.fixed);
        gs.insert(qs(e.guarantee).trimmed());
    }
    numbersBox_->addItem("Tutti", -1);
    for (const int n : ns)
        numbersBox_->addItem(QString::number(n), n);
    fixedBox_->addItem("Tutte", -1);
    for (const int f : fs)
        fixedBox_->addItem(QString::number(f), f);
    guaranteeBox_->addItem("Tutte", QString());
    for (const QString& g : gs)
        guaranteeBox_->addItem(g, g);

    connect(numbersBox_, &QComboBox::currentIndexChanged, this,
            [this] { filter_->setNumbers(numbersBox_->currentData().toInt()); });
    connect(fixedBox_, &QComboBox::currentIndexChanged, this,
            [this] { filter_->setFixed(fixedBox_->currentData().toInt()); });
    connect(guaranteeBox_, &QComboBox::currentIndexChanged, this,
            [this] { filter_->setGuarantee(guaranteeBox_->currentData().toString()); });
    connect(onlyFitting_, &QCheckBox::toggled, filter_, &CatalogueFilter::setOnlyFitting);
    onlyFitting_->setChecked(true);

    auto* layout = new QHBoxLayout(frame);
    layout->addWidget(new QLabel("Numeri:", frame));
    layout->addWidget(numbersBox_);
    layout->addWidget(new QLabel("Fisse:", frame));
    layout->addWidget(fixedBox_);
    layout->addWidget(new QLabel("Garanzia:", frame));
    layout->addWidget(guaranteeBox_, 1);
    layout->addWidget(onlyFitting_);
    return frame;
}

QGroupBox* GestRidotti::makeStatisticsFrame() {
    auto* frame = new QGroupBox("Distribuzione vincite", this);
    winsCaption_ = new QLabel(frame);
    winsCaption_->setObjectName("LabRidotto");
    winsCaption_->setWordWrap(true);
    wins_ = new TableModel(this);
    wins_->setHeaders({"Numeri", "Cinque", "Quattro", "Tre", "Due", "Uno", "Zero", "Per%"});
    auto* view = new QTableView(frame);
    view->setObjectName("MSFlexGrid2");
    view->setModel(wins_);
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(20);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::NoSelection);
    view->setFixedHeight(6 * 20 + view->horizontalHeader()->sizeHint().height() + 4);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(winsCaption_);
    layout->addWidget(view);
    return frame;
}

QGroupBox* GestRidotti::makeCostFrame() {
    auto* frame = new QGroupBox("Costo del Ridotto:", this);
    cost_ = new QLabel(frame);
    cost_->setObjectName("LabCosto");
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(cost_);
    return frame;
}

void GestRidotti::takeSystemNumbers() {
    board_ = state().selection;
    boardEdited_ = false;
    numbers_->paint();
    boardChanged();
}

void GestRidotti::boardChanged() {
    const int fixed = board_.fixedCount();
    const int n = board_.chosenCount() - fixed;
    boardFrame_->setTitle(QString("Pronostico   %1 +%2 Fisse").arg(n).arg(fixed));
    // The numbers of a locked forecast change in the number-entry window only.
    const bool locked = state().forecastLocked();
    numbers_->setEnabled(!locked);
    boardHint_->setText(locked ? "Pronostico bloccato: i numeri si cambiano\n"
                                 "dopo averlo sbloccato nella finestra Pronostico."
                               : "Clic: sceglie o toglie   Ctrl+clic: fissa\n"
                                 "Clic destro: toglie   (al massimo 4 fisse)");
    model_->setForecast(n, fixed);
    filter_->invalidate();
    currentChanged();
}

void GestRidotti::systemChanged() {
    if (!boardEdited_ || state().forecastLocked())
        takeSystemNumbers();
}

bool GestRidotti::forgetEdits() {
    takeSystemNumbers();
    return false;
}

const CatalogueEntry* GestRidotti::current() const {
    const QModelIndex at = table_->currentIndex();
    return at.isValid() ? &model_->entry(filter_->mapToSource(at).row()) : nullptr;
}

bool GestRidotti::selectCode(const QString& code) {
    for (int r = 0; r < filter_->rowCount(); ++r) {
        const QModelIndex at = filter_->index(r, CatalogueModel::Code);
        if (at.data().toString() == code) {
            table_->setCurrentIndex(at);
            table_->scrollTo(at);
            return true;
        }
    }
    return false;
}

void GestRidotti::currentChanged() {
    const CatalogueEntry* e = current();
    const bool fits = e && e->fits(board_.chosenCount() - board_.fixedCount(), board_.fixedCount());
    adapt_->setEnabled(fits);
    print_->setEnabled(fits);
    show_->setEnabled(e && e->playable);
    wins_->clear();
    if (!e) {
        winsCaption_->setText("Scegli un ridotto nella tabella.");
        cost_->clear();
        return;
    }
    winsCaption_->setText(qs(e->code.text()) + "  " + qs(e->guarantee).trimmed());
    std::vector<std::string> lines;
    std::string error;
    if (readRidStatRecord(state().folder.path("ridotti/RidStat.txt"), e->code.text(), lines,
                          error)) {
        QList<TableModel::Row> rows;
        for (const std::string& line : lines) {
            TableModel::Row row;
            for (const std::string& cell : ridStatCells(line))
                row << TableModel::text(qs(cell));
            for (int c = 1; c < row.size(); ++c)
                row[c].alignment = Qt::AlignRight | Qt::AlignVCenter;
            rows << row;
        }
        wins_->setRows(std::move(rows));
    } else {
        winsCaption_->setText(winsCaption_->text() + "\n" + qs(error));
    }
    const double euro = static_cast<double>(e->rows) *
                        std::max(1, static_cast<int>(board_.pairCount())) *
                        state().settings.columnPrice;
    cost_->setText("Lire " + countText(std::llround(euro * kLirePerEuro)) + "   Euro " +
                   italianDecimal(euro, 2));
}

std::optional<std::vector<Column>> GestRidotti::currentColumns() {
    const CatalogueEntry* e = current();
    if (!e)
        return std::nullopt;
    AppliedReduced a =
        applyReduced(catalogue_, e->code.text(), board_.fixedNumbers(), board_.freeNumbers());
    if (a.notice) {
        Avviso::ask(*a.notice, this);
        return std::nullopt;
    }
    return std::move(a.columns);
}

void GestRidotti::adapt() {
    const CatalogueEntry* e = current();
    if (!e || !adapt_->isEnabled())
        return;
    Selection& system = state().selection;
    if (!sameNumbers(board_, system)) {
        for (int n = 1; n <= kMaxNumber; ++n)
            system.setState(n, Selection::NotChosen);
        for (const int n : board_.chosenNumbers())
            system.setState(n, board_.state(n));
        state().modified = true;
    }
    if (const auto notice = system.readyToDevelop()) {
        Avviso::ask(*notice, this);
        shell().runCommand("Pronostico");
        return;
    }
    const QString title = reducedTitle(*e);
    if (auto columns = currentColumns()) {
        boardEdited_ = false;
        shell().developReduced(std::move(*columns), title);
    }
}

void GestRidotti::showColumns() {
    const CatalogueEntry* e = current();
    if (!e)
        return;
    const bool fits = adapt_->isEnabled();
    // A table that does not fit the forecast is shown over its positions 1..N+F.
    std::vector<int> fixed, free;
    if (fits) {
        fixed = board_.fixedNumbers();
        free = board_.freeNumbers();
    } else {
        for (int p = 1; p <= e->code.fixed; ++p)
            fixed.push_back(p);
        for (int p = 1; p <= e->code.n; ++p)
            free.push_back(e->code.fixed + p);
    }
    const AppliedReduced a = applyReduced(catalogue_, e->code.text(), fixed, free);
    if (a.notice) {
        Avviso::ask(*a.notice, this);
        return;
    }
    QDialog dialog(this);
    dialog.setWindowTitle("Visualizza Ridotto:  " + qs(e->code.text()));
    auto* model = new TableModel(&dialog);
    model->setHeaders({"N°", "1°", "2°", "3°", "4°", "5°"});
    QList<TableModel::Row> rows;
    rows.reserve(static_cast<qsizetype>(a.columns.size()));
    for (std::size_t i = 0; i < a.columns.size(); ++i) {
        TableModel::Row row{TableModel::integer(static_cast<qint64>(i + 1))};
        for (const auto n : a.columns[i])
            row << TableModel::integer(n);
        rows << row;
    }
    model->setRows(std::move(rows));
    auto* view = makeStatisticsView(model, "MSFlexGrid1", -1, &dialog);
    auto* caption = new QLabel(qs(e->guarantee).trimmed() + "   Colonne = " +
                                   countText(static_cast<qint64>(a.columns.size())) +
                                   (fits ? QString()
                                         : "\nPosizioni: il ridotto non si adatta "
                                           "al pronostico."),
                               &dialog);
    auto* close = namedButton("Chiudi", "CommChiudi", &dialog);
    connect(close, &QPushButton::clicked, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(caption);
    layout->addWidget(view, 1);
    layout->addWidget(close, 0, Qt::AlignRight);
    dialog.resize(340, 480);
    dialog.exec();
}

void GestRidotti::prepareForPrinting() {
    const CatalogueEntry* e = current();
    if (!e)
        return;
    auto columns = currentColumns();
    if (!columns)
        return;
    const ReducedSlip slip{reducedSlipTitle(e->code.family == 'O', e->code.g, e->code.c),
                           e->code.text(), board_.chosenNumbers(), board_.fixedNumbers(),
                           std::move(*columns)};
    if (const auto notice = writeReducedSlip(state().folder, slip)) {
        Avviso::ask(*notice, this);
        return;
    }
    Avviso::ask(Notice{"Imposta Per Stampa",
                       {slip.title + ": " + std::to_string(slip.columns.size()) + " colonne",
                        "pronte per la stampa delle schedine (giocate/cedolina.txt)."}},
                this);
}

} // namespace varnelo

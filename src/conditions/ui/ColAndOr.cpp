#include "conditions/ui/ColAndOr.h"

#include "conditions/ConditionSet.h"
#include "conditions/FamilyFiles.h"
#include "conditions/QuadroTools.h"
#include "conditions/ui/QuadroStatistics.h"
#include "system/ProgramState.h"
#include "ui/Avviso.h"
#include "ui/DialogParts.h"
#include "ui/NumberFields.h"
#include "ui/Shell.h"
#include "ui/TableModel.h"
#include "ui/Text.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace varnelo {

namespace {

const QColor kAdmitted(120, 160, 255);

QString letter(int k) {
    return QString(QChar('A' + k));
}

QString numbersText(std::uint64_t mask) {
    QStringList out;
    for (const std::uint8_t n : maskNumbers(mask))
        out << QString::number(n);
    return out.join(' ');
}

QString hitsText(std::uint8_t hits) {
    QStringList out;
    for (int h = 0; h <= 5; ++h)
        if (hits >> h & 1u)
            out << QString::number(h);
    return out.join(' ');
}

QSpinBox* rangeBox(const QString& name, int max, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(0, max);
    return box;
}

// The sources of "Aggiungi colonne da:".
const QStringList kSources = {"File di Testo", "Matrici", "Previsioni Sistema", "Sistemi",
                              "Vincenti"};

} // namespace

ColAndOr::ColAndOr(Shell& shell) : ChildWindow(shell, "ColAndOr", {71, 0}) {
    setWindowTitle("Quadro");
    statistics_ = new QuadroStatistics(
        state(), [this]() -> const AndOrQuadro& { return quadro(); },
        [this]() -> std::optional<std::uint64_t> {
            const int j = currentColumn();
            if (j < 0)
                return std::nullopt;
            return quadro().columns[static_cast<std::size_t>(j)].numbers;
        },
        this);
    auto* ok = namedButton("OK", "CommOk", this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &ColAndOr::accept);
    auto* cancel = namedButton("Annulla", "CommAnnulla", this);
    connect(cancel, &QPushButton::clicked, this, [this] { closeWindow(); });

    auto* right = new QVBoxLayout;
    right->addWidget(makeSettingsFrame());
    right->addWidget(statistics_, 1);
    auto* columns = new QHBoxLayout;
    columns->addWidget(makeQuadroList());
    columns->addWidget(makeColumnFrame(), 1);
    columns->addLayout(right, 1);
    auto* commands = new QHBoxLayout;
    commands->addWidget(new QLabel("Clic destro: attiva o disattiva i quadri.", this));
    commands->addStretch();
    commands->addWidget(cancel);
    commands->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(commands);
}

ColAndOr::~ColAndOr() = default;

// " quadro attivo:": the twenty quadri with their logic, state and size;
// under them the OR requirement shared by all.
QWidget* ColAndOr::makeQuadroList() {
    auto* frame = new QWidget(this);
    auto* list = new QGroupBox(" quadro attivo:", frame);
    quadri_ = new QTableWidget(kAndOrQuadri, 4, list);
    quadri_->setObjectName("MSFlQuadri");
    quadri_->setHorizontalHeaderLabels({"Quadro", "Logica", "Attivo", "Colonne"});
    quadri_->verticalHeader()->hide();
    quadri_->verticalHeader()->setDefaultSectionSize(20);
    quadri_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    quadri_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    quadri_->setSelectionBehavior(QAbstractItemView::SelectRows);
    quadri_->setSelectionMode(QAbstractItemView::SingleSelection);
    quadri_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    quadri_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    quadri_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    connect(quadri_, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row >= 0 && row != current_ && !filling_)
            showQuadro(row);
    });
    auto* listLayout = new QVBoxLayout(list);
    listLayout->addWidget(quadri_);

    auto* orFrame = new QGroupBox("Quadri in OR da indovinare:", frame);
    auto* orGrid = new QGridLayout(orFrame);
    for (int n = 0; n <= kAndOrQuadri; ++n) {
        auto* box = new QCheckBox(QString::number(n), orFrame);
        box->setObjectName(QString("CheckOr(%1)").arg(n));
        connect(box, &QCheckBox::toggled, this, [this, n](bool on) {
            if (snapshot_ && !filling_)
                set().orRequirement.set(static_cast<std::size_t>(n), on);
        });
        orCounts_[static_cast<std::size_t>(n)] = box;
        orGrid->addWidget(box, n / 4, n % 4);
    }
    orFrame->setToolTip("Quanti dei quadri in OR attivi una colonna deve soddisfare");
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list);
    layout->addWidget(orFrame);
    layout->addStretch();
    return frame;
}

// The filter columns of the quadro, their admitted hits, and the commands on them.
QWidget* ColAndOr::makeColumnFrame() {
    columnFrame_ = new QGroupBox(this);
    columnsModel_ = new TableModel(this);
    columnsModel_->setHeaders({"N°", "Numeri", "Punti"});
    columns_ = makeStatisticsView(columnsModel_, "MSFGrande", -1, columnFrame_);
    columns_->setSortingEnabled(false);
    columns_->setSelectionMode(QAbstractItemView::SingleSelection);
    columns_->horizontalHeader()->setStretchLastSection(true);
    columns_->setMinimumWidth(300);
    connect(columns_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { fillPresences(); });

    presences_ = new QTableWidget(6, 2, columnFrame_);
    presences_->setObjectName("MSFColFilRis");
    presences_->setHorizontalHeaderLabels({"Punti", "Stato"});
    presences_->verticalHeader()->hide();
    presences_->verticalHeader()->setDefaultSectionSize(20);
    presences_->horizontalHeader()->setStretchLastSection(true);
    presences_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    presences_->setSelectionMode(QAbstractItemView::NoSelection);
    presences_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    presences_->setFixedHeight(presences_->horizontalHeader()->sizeHint().height() + 6 * 20 + 4);
    presences_->setToolTip("Un clic ammette o toglie il numero di punti");
    connect(presences_, &QTableWidget::cellClicked, this, [this](int h) {
        const int j = currentColumn();
        if (j < 0)
            return;
        quadro().columns[static_cast<std::size_t>(j)].hits ^= static_cast<std::uint8_t>(1u << h);
        fillColumns();
        columns_->selectRow(j);
        fillPresences();
    });
    auto* presenceFrame = new QGroupBox("Presenze:", columnFrame_);
    auto* presenceLayout = new QVBoxLayout(presenceFrame);
    presenceLayout->addWidget(presences_);

    typed_ = new QLineEdit(columnFrame_);
    typed_->setObjectName("TxtColonna");
    typed_->setPlaceholderText("es. 3 12 25 33 41");
    typedHits_ = {rangeBox("TxtPuntiColonna(0)", 5, columnFrame_),
                  rangeBox("TxtPuntiColonna(1)", 5, columnFrame_)};
    typedHits_[1]->setValue(5);
    auto* add = namedButton("Aggiungi", "CommAggiungi", columnFrame_);
    connect(add, &QPushButton::clicked, this, &ColAndOr::addTyped);
    connect(typed_, &QLineEdit::returnPressed, this, &ColAndOr::addTyped);
    auto* typedRow = new QHBoxLayout;
    typedRow->addWidget(new QLabel("Nuova colonna:", columnFrame_));
    typedRow->addWidget(typed_, 1);
    typedRow->addWidget(new QLabel("Punti da", columnFrame_));
    typedRow->addWidget(typedHits_[0]);
    typedRow->addWidget(new QLabel("a", columnFrame_));
    typedRow->addWidget(typedHits_[1]);
    typedRow->addWidget(add);

    source_ = new QComboBox(columnFrame_);
    source_->setObjectName("Combo1");
    source_->addItems(kSources);
    source_->setPlaceholderText("Scegliere...");
    source_->setCurrentIndex(-1);
    connect(source_, &QComboBox::activated, this, [this](int i) {
        addFrom(i);
        source_->setCurrentIndex(-1);
    });
    auto* sourceRow = new QHBoxLayout;
    sourceRow->addWidget(new QLabel("Aggiungi colonne da:", columnFrame_));
    sourceRow->addWidget(source_, 1);

    auto* erase = namedButton(" Elimina la colonnina evidenziata ", "CommElimina", columnFrame_);
    connect(erase, &QPushButton::clicked, this, &ColAndOr::deleteCurrent);
    auto* eraseRange = namedButton("Elimina colonne dalla alla..", "CommEliminaDa", columnFrame_);
    connect(eraseRange, &QPushButton::clicked, this, &ColAndOr::deleteRange);
    auto* hits = namedButton("Modifica Punteggio", "CommPunteggio", columnFrame_);
    connect(hits, &QPushButton::clicked, this, &ColAndOr::changeHits);
    auto* signs = namedButton("Sostituzione dei Segni", "CommSegni", columnFrame_);
    connect(signs, &QPushButton::clicked, this, &ColAndOr::replaceSign);
    auto* edits = new QGridLayout;
    edits->addWidget(erase, 0, 0);
    edits->addWidget(eraseRange, 0, 1);
    edits->addWidget(hits, 1, 0);
    edits->addWidget(signs, 1, 1);

    auto* gridRow = new QHBoxLayout;
    gridRow->addWidget(columns_, 1);
    gridRow->addWidget(presenceFrame, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(columnFrame_);
    layout->addLayout(gridRow, 1);
    layout->addLayout(typedRow);
    layout->addLayout(sourceRow);
    layout->addLayout(edits);
    return columnFrame_;
}

// Name, logic, activation and the two ranges of the quadro; its files.
QWidget* ColAndOr::makeSettingsFrame() {
    auto* frame = new QGroupBox("Impostazioni del quadro:", this);
    name_ = new QLineEdit(frame);
    name_->setObjectName("TxtNome");
    andLogic_ = new QRadioButton("AND", frame);
    andLogic_->setObjectName("OptLogica(0)");
    orLogic_ = new QRadioButton("OR", frame);
    orLogic_->setObjectName("OptLogica(1)");
    auto* logic = new QButtonGroup(frame);
    logic->addButton(andLogic_);
    logic->addButton(orLogic_);
    active_ = new QCheckBox("Attivazione", frame);
    active_->setObjectName("CheckAttivazione");
    guessed_ = {rangeBox("TxtIndovinate(0)", kMaxQuadroColumns, frame),
                rangeBox("TxtIndovinate(1)", kMaxQuadroColumns, frame)};
    points_ = {rangeBox("TxtPunti(0)", 5 * kMaxQuadroColumns, frame),
               rangeBox("TxtPunti(1)", 5 * kMaxQuadroColumns, frame)};
    connect(name_, &QLineEdit::textEdited, this, &ColAndOr::takeSettings);
    connect(andLogic_, &QRadioButton::toggled, this, &ColAndOr::takeSettings);
    connect(active_, &QCheckBox::toggled, this, &ColAndOr::takeSettings);
    for (QSpinBox* box : {guessed_[0], guessed_[1], points_[0], points_[1]})
        connect(box, &QSpinBox::valueChanged, this, &ColAndOr::takeSettings);

    auto* open = namedButton("Apri quadro...", "CommApri", frame);
    connect(open, &QPushButton::clicked, this, &ColAndOr::openCar);
    auto* save = namedButton("Salva le colonne del quadro ", "CommSalva", frame);
    connect(save, &QPushButton::clicked, this, &ColAndOr::saveCar);

    auto* grid = new QGridLayout(frame);
    grid->addWidget(new QLabel("Nome:", frame), 0, 0);
    grid->addWidget(name_, 0, 1, 1, 4);
    grid->addWidget(new QLabel("Logica del quadro:", frame), 1, 0);
    grid->addWidget(andLogic_, 1, 1);
    grid->addWidget(orLogic_, 1, 2);
    grid->addWidget(active_, 1, 3, 1, 2);
    grid->addWidget(new QLabel("Min.", frame), 2, 1);
    grid->addWidget(new QLabel("Max.", frame), 2, 2);
    grid->addWidget(new QLabel("Colonne Indovinate:", frame), 3, 0);
    grid->addWidget(guessed_[0], 3, 1);
    grid->addWidget(guessed_[1], 3, 2);
    grid->addWidget(new QLabel("Punti Tra:", frame), 4, 0);
    grid->addWidget(points_[0], 4, 1);
    grid->addWidget(points_[1], 4, 2);
    grid->addWidget(open, 3, 3, 1, 2);
    grid->addWidget(save, 4, 3, 1, 2);
    grid->setColumnStretch(3, 1);
    return frame;
}

AndOrSet& ColAndOr::set() {
    return state().families.andOr;
}

AndOrQuadro& ColAndOr::quadro() {
    return set().quadri[static_cast<std::size_t>(current_)];
}

// Every opening is a session of its own: "Annulla" goes back to this moment.
void ColAndOr::showEvent(QShowEvent* event) {
    if (!snapshot_)
        startSession();
    ChildWindow::showEvent(event);
}

void ColAndOr::startSession() {
    snapshot_ = set();
    filling_ = true;
    for (int n = 0; n <= kAndOrQuadri; ++n)
        orCounts_[static_cast<std::size_t>(n)]->setChecked(
            set().orRequirement.test(static_cast<std::size_t>(n)));
    for (int k = 0; k < kAndOrQuadri; ++k)
        fillQuadroRow(k);
    filling_ = false;
    showQuadro(current_);
}

void ColAndOr::fillQuadroRow(int k) {
    const AndOrQuadro& q = set().quadri[static_cast<std::size_t>(k)];
    const QString name = q.name.empty() ? QString() : " " + qs(q.name);
    const QStringList cells = {letter(k) + name, q.orLogic ? "OR" : "AND", q.active ? "Sì" : "",
                               q.columns.empty() ? QString() : QString::number(q.columns.size())};
    for (int c = 0; c < cells.size(); ++c) {
        auto* item = new QTableWidgetItem(cells[c]);
        item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        quadri_->setItem(k, c, item);
    }
}

void ColAndOr::showQuadro(int k) {
    current_ = k;
    filling_ = true;
    quadri_->setCurrentCell(k, 0);
    const AndOrQuadro& q = quadro();
    columnFrame_->setTitle(QString("Colonne filtro del quadro %1:").arg(letter(k)));
    name_->setText(qs(q.name));
    (q.orLogic ? orLogic_ : andLogic_)->setChecked(true);
    active_->setChecked(q.active);
    guessed_[0]->setValue(q.guessed.min);
    guessed_[1]->setValue(q.guessed.max);
    points_[0]->setValue(q.points.min);
    points_[1]->setValue(q.points.max);
    filling_ = false;
    fillColumns();
    fillPresences();
    statistics_->clear();
}

void ColAndOr::fillColumns() {
    QList<TableModel::Row> rows;
    const auto& all = quadro().columns;
    for (std::size_t j = 0; j < all.size(); ++j)
        rows << TableModel::Row{TableModel::integer(static_cast<qint64>(j + 1)),
                                TableModel::text(numbersText(all[j].numbers)),
                                TableModel::text(hitsText(all[j].hits))};
    columnsModel_->setRows(std::move(rows));
    fillQuadroRow(current_);
}

int ColAndOr::currentColumn() const {
    const QModelIndex at = columns_->currentIndex();
    return at.isValid() ? at.row() : -1;
}

// "Presenze:": the hits 0..5 of the highlighted filter column, blue when admitted.
void ColAndOr::fillPresences() {
    const int j = currentColumn();
    const std::uint8_t hits = j >= 0 ? quadro().columns[static_cast<std::size_t>(j)].hits : 0;
    for (int h = 0; h <= 5; ++h) {
        const bool on = j >= 0 && (hits >> h & 1u);
        auto* caption =
            new QTableWidgetItem(h == 1 ? QString("1 punto") : QString("%1 punti").arg(h));
        auto* status = new QTableWidgetItem(on ? "Ammesso" : "");
        if (on)
            status->setBackground(kAdmitted);
        presences_->setItem(h, 0, caption);
        presences_->setItem(h, 1, status);
    }
    presences_->setEnabled(j >= 0);
}

void ColAndOr::takeSettings() {
    if (filling_ || !snapshot_)
        return;
    AndOrQuadro& q = quadro();
    q.name = name_->text().trimmed().toStdString();
    q.orLogic = orLogic_->isChecked();
    q.active = active_->isChecked();
    q.guessed = {static_cast<std::int16_t>(guessed_[0]->value()),
                 static_cast<std::int16_t>(guessed_[1]->value())};
    q.points = {static_cast<std::int16_t>(points_[0]->value()),
                static_cast<std::int16_t>(points_[1]->value())};
    fillQuadroRow(current_);
}

void ColAndOr::tell(const std::optional<Notice>& notice) {
    if (notice)
        Avviso::ask(*notice, this);
}

void ColAndOr::addTyped() {
    const auto numbers = typedFilterNumbers(typed_->text().toStdString());
    if (!numbers) {
        tell(Notice{"Colonna non valida:",
                    {"Scrivere i numeri da 1 a 49 della colonna filtro,",
                     "separati da spazi, ognuno una volta sola."}});
        return;
    }
    const int low = std::min(typedHits_[0]->value(), typedHits_[1]->value());
    const int high = std::max(typedHits_[0]->value(), typedHits_[1]->value());
    std::uint8_t hits = 0;
    for (int h = low; h <= high; ++h)
        hits |= static_cast<std::uint8_t>(1u << h);
    tell(addQuadroColumns(quadro(), {{*numbers, hits}}));
    typed_->clear();
    fillColumns();
    columns_->selectRow(static_cast<int>(quadro().columns.size()) - 1);
}

// "Previsioni Sistema" writes the forecast into the new column; "Vincenti"
// and the files open their import windows.
void ColAndOr::addFrom(int source) {
    const QString chosen = kSources.value(source);
    if (chosen == "Previsioni Sistema") {
        QStringList numbers;
        for (const int n : state().selection.chosenNumbers())
            numbers << QString::number(n);
        typed_->setText(numbers.join(' '));
        typed_->setFocus();
        return;
    }
    importSource_ = chosen;
    shell().runCommand(chosen == "Vincenti" ? "ColAndOrUscite" : "ColAndOrUsciteSist");
}

void ColAndOr::deleteCurrent() {
    const int j = currentColumn();
    if (j < 0)
        return;
    Notice ask{
        "Avviso:", {"Eliminare la colonne N°= " + std::to_string(j + 1)}, kNoticeYesNo, true};
    if (Avviso::ask(ask, this) != Avviso::Yes)
        return;
    auto& all = quadro().columns;
    all.erase(all.begin() + j);
    fillColumns();
    fillPresences();
}

void ColAndOr::deleteRange() {
    const int count = static_cast<int>(quadro().columns.size());
    if (count == 0)
        return;
    const auto range =
        askNumberFields(this, "Elimina colonne", "Colonne filtro da eliminare:",
                        {{"Dalla colonna N°", 1, count, 1}, {"Alla colonna N°", 1, count, count}});
    if (!range)
        return;
    const int first = std::min((*range)[0], (*range)[1]);
    const int last = std::max((*range)[0], (*range)[1]);
    Notice ask{
        "Avviso:",
        {"Eliminare le colonne dalla= " + std::to_string(first) + " Alla= " + std::to_string(last)},
        kNoticeYesNo,
        true};
    if (Avviso::ask(ask, this) != Avviso::Yes)
        return;
    auto& all = quadro().columns;
    all.erase(all.begin() + (first - 1), all.begin() + last);
    fillColumns();
    fillPresences();
}

// "Modifica Punteggio": the admitted hits of a range of filter columns at once.
void ColAndOr::changeHits() {
    const int count = static_cast<int>(quadro().columns.size());
    if (count == 0)
        return;
    const auto v =
        askNumberFields(this, "Modifica Punteggio", "Punti ammessi dalle colonne filtro:",
                        {{"Dalla colonna N°", 1, count, 1},
                         {"Alla colonna N°", 1, count, count},
                         {"Punti Min.", 0, 5, 0},
                         {"Punti Max.", 0, 5, 5}});
    if (!v)
        return;
    tell(setQuadroHits(quadro(), static_cast<std::size_t>((*v)[0]),
                       static_cast<std::size_t>((*v)[1]), (*v)[2], (*v)[3]));
    fillColumns();
    fillPresences();
}

// "Sostituzione dei Segni": a number replaced by another in a range of filter columns.
void ColAndOr::replaceSign() {
    const int count = static_cast<int>(quadro().columns.size());
    if (count == 0)
        return;
    const auto v = askNumberFields(this, "Sostituzione dei Segni", "Sostituisci dalla alla...",
                                   {{"Dalla colonna N°", 1, count, 1},
                                    {"Alla colonna N°", 1, count, count},
                                    {"il numero:", 1, kMaxNumber, 1},
                                    {"con il numero:", 1, kMaxNumber, 1}});
    if (!v)
        return;
    tell(replaceQuadroNumber(quadro(), static_cast<std::size_t>((*v)[0]),
                             static_cast<std::size_t>((*v)[1]), (*v)[2], (*v)[3]));
    fillColumns();
    fillPresences();
}

// A quadro file of `andor/` replaces the quadro shown; a file that cannot
// be read changes nothing.
void ColAndOr::openCar() {
    const auto names = filterFiles(state().folder, ".car");
    if (names.empty()) {
        tell(Notice{"Avviso:", {"Nessun quadro salvato nella cartella andor."}});
        return;
    }
    QStringList items;
    for (const std::string& n : names)
        items << qs(n);
    bool chosen = false;
    const QString name =
        QInputDialog::getItem(this, "Apri quadro", "Quadro salvato:", items, 0, false, &chosen);
    if (!chosen)
        return;
    CarFile car = quadroToCar(quadro());
    if (const auto notice = loadCar(state().folder, name.toStdString(), car)) {
        tell(notice);
        return;
    }
    quadro() = quadroFromCar(car);
    showQuadro(current_);
}

void ColAndOr::saveCar() {
    if (const auto notice = checkQuadroToSave(quadro())) {
        tell(notice);
        return;
    }
    bool given = false;
    const QString name =
        QInputDialog::getText(this, "Salva le colonne del quadro",
                              "Nome del quadro:", QLineEdit::Normal, qs(quadro().name), &given)
            .trimmed();
    if (!given || name.isEmpty())
        return;
    const std::string file = name.toStdString();
    if (filterFileExists(state().folder, file, ".car") &&
        Avviso::ask(replaceFileQuestion("andor/" + file + ".car", file), this) != Avviso::Yes)
        return;
    quadro().name = file;
    tell(varnelo::saveCar(state().folder, file, quadroToCar(quadro())));
    showQuadro(current_);
}

void ColAndOr::accept() {
    if (!snapshot_)
        return;
    if (const auto notice = checkAndOrSet(set())) {
        tell(notice);
        return;
    }
    if (!(set() == *snapshot_)) {
        state().modifiedFamilies.markFamily(familyOfMenuItem(24));
        state().modified = true;
        tell(saveAndOr(state().folder, set()));
    }
    snapshot_.reset();
    closeWindow();
    shell().refresh();
}

// Closing by "Annulla", Escape or the close box drops the edits.
void ColAndOr::closeEvent(QCloseEvent* event) {
    if (snapshot_) {
        set() = *snapshot_;
        snapshot_.reset();
        shell().refresh();
    }
    ChildWindow::closeEvent(event);
}

// The main window's "Attiva Quaqri": one item per quadro, then all on and all off.
void ColAndOr::contextMenuEvent(QContextMenuEvent* event) {
    const auto* source = shell().mainWidget()->findChild<QMenu*>("Attivaqq");
    if (!source || !snapshot_)
        return;
    QMenu menu(source->title(), this);
    const QList<QAction*> items = source->actions();
    for (int i = 0; i < items.size(); ++i) {
        QAction* mine = menu.addAction(items[i]->text());
        if (i < kAndOrQuadri) {
            mine->setCheckable(true);
            mine->setChecked(set().quadri[static_cast<std::size_t>(i)].active);
            connect(mine, &QAction::triggered, this, [this, i](bool on) {
                set().quadri[static_cast<std::size_t>(i)].active = on;
                fillQuadroRow(i);
                if (i == current_)
                    showQuadro(i);
            });
        } else {
            const bool on = i == kAndOrQuadri;
            connect(mine, &QAction::triggered, this, [this, on] {
                for (int k = 0; k < kAndOrQuadri; ++k) {
                    set().quadri[static_cast<std::size_t>(k)].active = on;
                    fillQuadroRow(k);
                }
                showQuadro(current_);
            });
        }
    }
    menu.exec(event->globalPos());
}

AndOrQuadro* ColAndOr::importQuadro() {
    return snapshot_ ? &quadro() : nullptr;
}

QString ColAndOr::importCaption() const {
    return QString("Quadro %1").arg(letter(current_));
}

void ColAndOr::columnsImported() {
    fillColumns();
    fillPresences();
}

bool ColAndOr::forgetEdits() {
    if (!snapshot_)
        return false;
    snapshot_.reset();
    return true;
}

} // namespace varnelo

#include "conditions/ui/PicchettoSomma.h"

#include "conditions/FamilyFiles.h"
#include "conditions/ui/DecimalCellDelegate.h"
#include "system/ProgramState.h"
#include "ui/Avviso.h"
#include "ui/DialogParts.h"
#include "ui/GridFit.h"
#include "ui/Shell.h"
#include "ui/Text.h"
#include "ui/ValueGridModel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace varnelo {

namespace {

// `MSFQuadrante`: the numbers in five lines of ten, as on the slip.
constexpr int kBoardRows = 5;
constexpr int kBoardColumns = 10;

int boardNumber(int row, int column) {
    return row * kBoardColumns + column + 1;
}

QString numbersText(const SumRow& r) {
    QStringList out;
    for (int n = 1; n <= kMaxNumber; ++n)
        if (r.holds(n))
            out << QString::number(n);
    return out.join(' ');
}

QString kindText(int kind) {
    return kind == 0 ? QString("Somma") : QString::number(kind);
}

Interval& intervalAt(OrSlot& s, int column) {
    return column < 2 ? s.admitted : s.recovery;
}

std::int64_t& boundAt(OrSlot& s, int column) {
    Interval& i = intervalAt(s, column);
    return column == 0 || column == 3 ? i.min : i.max;
}

QTableWidgetItem* fixedItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

PicchettoSomma::PicchettoSomma(Shell& shell) : ChildWindow(shell, "PicchettoSomma", {99, 101}) {
    setWindowTitle("Somma + Somma Picchetto");
    active_ = new QCheckBox("Attivazione", this);
    active_->setObjectName("CheckCol");
    connect(active_, &QCheckBox::toggled, this, [this](bool on) {
        if (editor_)
            editor_->setBox(on);
    });

    rowEditor_ = new QWidget(this);
    auto* editorLayout = new QVBoxLayout(rowEditor_);
    editorLayout->setContentsMargins(0, 0, 0, 0);
    editorLayout->addWidget(makeNumbersFrame());
    editorLayout->addWidget(makeSumFrame(), 1);

    auto* columns = new QHBoxLayout;
    columns->addWidget(makeRowsFrame(), 1);
    columns->addWidget(rowEditor_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(active_);
    layout->addLayout(columns, 1);
    layout->addWidget(makeCommands());
}

// `MSFGrande`: one line per row of the quadro.
QWidget* PicchettoSomma::makeRowsFrame() {
    auto* frame = new QGroupBox("Colonnine del quadro:", this);
    rows_ = new QTableWidget(0, 2, frame);
    rows_->setObjectName("MSFGrande");
    rows_->setHorizontalHeaderLabels({"Sistema", "N° Picc."});
    rows_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    rows_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    rows_->verticalHeader()->setDefaultSectionSize(22);
    rows_->setSelectionBehavior(QAbstractItemView::SelectRows);
    rows_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    rows_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    rows_->setWordWrap(false);
    rows_->setMinimumWidth(260);
    connect(rows_, &QTableWidget::currentCellChanged, this, [this](int r) {
        if (!filling_ && r >= 0)
            chooseRow(r);
    });

    add_ = namedButton("Nuova colonnina", "CommNuova", frame);
    add_->setToolTip("Aggiunge una colonnina vuota in fondo al quadro");
    connect(add_, &QPushButton::clicked, this, &PicchettoSomma::addRow);
    erase_ = namedButton(" Elimina la colonnina evidenziata ", "Cancella(0)", frame);
    connect(erase_, &QPushButton::clicked, this, &PicchettoSomma::eraseRows);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add_);
    buttons->addWidget(erase_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(rows_, 1);
    layout->addLayout(buttons);
    return frame;
}

// `MSFQuadrante`: a click puts a number in the row's set or takes it out.
QWidget* PicchettoSomma::makeNumbersFrame() {
    numbersFrame_ = new QGroupBox("Numeri della colonnina:", this);
    board_ = new QTableWidget(kBoardRows, kBoardColumns, numbersFrame_);
    board_->setObjectName("MSFQuadrante");
    board_->horizontalHeader()->hide();
    board_->verticalHeader()->hide();
    board_->horizontalHeader()->setDefaultSectionSize(32);
    board_->verticalHeader()->setDefaultSectionSize(26);
    board_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    board_->setSelectionMode(QAbstractItemView::NoSelection);
    board_->setFocusPolicy(Qt::NoFocus);
    fitGridToCells(board_);
    for (int r = 0; r < kBoardRows; ++r)
        for (int c = 0; c < kBoardColumns; ++c) {
            const int n = boardNumber(r, c);
            auto* item = new QTableWidgetItem(n <= kMaxNumber ? QString::number(n) : QString());
            item->setTextAlignment(Qt::AlignCenter);
            item->setFlags(n <= kMaxNumber ? Qt::ItemIsEnabled : Qt::NoItemFlags);
            board_->setItem(r, c, item);
        }
    connect(board_, &QTableWidget::cellClicked, this, [this](int r, int c) {
        if (const int n = boardNumber(r, c); n <= kMaxNumber)
            toggleNumber(n);
    });

    auto* all = namedButton("Tutti", "CommTutti", numbersFrame_);
    all->setToolTip("Mette nella colonnina tutti i numeri da 1 a 49");
    connect(all, &QPushButton::clicked, this, [this] { setNumbers([](int) { return true; }); });
    auto* system = namedButton("Sistema", "CommSistema", numbersFrame_);
    system->setToolTip("Mette nella colonnina i numeri del sistema (in grassetto)");
    connect(system, &QPushButton::clicked, this, [this] {
        setNumbers([this](int n) { return state().selection.state(n) != Selection::NotChosen; });
    });
    auto* none = namedButton("Nessuno", "CommNessuno", numbersFrame_);
    none->setToolTip("Toglie tutti i numeri dalla colonnina");
    connect(none, &QPushButton::clicked, this, [this] { setNumbers([](int) { return false; }); });
    auto* quick = new QVBoxLayout;
    quick->addWidget(all);
    quick->addWidget(system);
    quick->addWidget(none);
    quick->addStretch();
    auto* legend = new QLabel("Clic su un numero: entra o esce dalla colonnina.\n"
                              "In grassetto i numeri del sistema.",
                              numbersFrame_);
    auto* layout = new QGridLayout(numbersFrame_);
    layout->addWidget(board_, 0, 0);
    layout->addLayout(quick, 0, 1);
    layout->addWidget(legend, 1, 0, 1, 2);
    return numbersFrame_;
}

// What the row sums, and `MSFPunti`: the five OR slots of the row.
QWidget* PicchettoSomma::makeSumFrame() {
    auto* frame = new QGroupBox("Somma ammessa:", this);
    kind_ = new QButtonGroup(this);
    auto* kinds = new QHBoxLayout;
    const char* kindCaptions[] = {"Somma", "Picchetto"};
    for (int i = 0; i < 2; ++i) {
        auto* option = new QRadioButton(kindCaptions[i], frame);
        option->setObjectName(QString("Option1(%1)").arg(i));
        kind_->addButton(option, i);
        kinds->addWidget(option);
    }
    kinds->addStretch();
    picchettoFrame_ = new QGroupBox("Picchetto N°:", frame);
    picchetto_ = new QButtonGroup(this);
    auto* numbers = new QHBoxLayout(picchettoFrame_);
    for (int p = 1; p <= kPicchettoCount; ++p) {
        auto* option = new QRadioButton(QString::number(p), picchettoFrame_);
        option->setObjectName(QString("Option2(%1)").arg(p - 1));
        picchetto_->addButton(option, p);
        numbers->addWidget(option);
    }
    connect(kind_, &QButtonGroup::idClicked, this,
            [this](int i) { setKind(i == 0 ? 0 : std::max(1, picchetto_->checkedId())); });
    connect(picchetto_, &QButtonGroup::idClicked, this, &PicchettoSomma::setKind);

    slots_ = new QTableWidget(kOrSlotCount, SlotColumnCount, frame);
    slots_->setObjectName("MSFPunti");
    slots_->setHorizontalHeaderLabels({"Min.", "Max.", "Recupero", "Min.", "Max."});
    slots_->horizontalHeaderItem(Min)->setToolTip("Intervallo ammesso: minimo");
    slots_->horizontalHeaderItem(Max)->setToolTip("Intervallo ammesso: massimo");
    slots_->horizontalHeaderItem(Level)->setToolTip("Livello di recupero dell'intervallo di "
                                                    "recupero");
    slots_->horizontalHeaderItem(RecoveryMin)->setToolTip("Intervallo di recupero: minimo");
    slots_->horizontalHeaderItem(RecoveryMax)->setToolTip("Intervallo di recupero: massimo");
    QStringList orCaptions;
    for (int s = 1; s <= kOrSlotCount; ++s)
        orCaptions << QString("%1)   OR").arg(s);
    slots_->setVerticalHeaderLabels(orCaptions);
    slots_->verticalHeader()->setDefaultSectionSize(26);
    slots_->horizontalHeader()->setDefaultSectionSize(76);
    slots_->setSelectionMode(QAbstractItemView::SingleSelection);
    slots_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    slots_->setItemDelegate(new DecimalCellDelegate(slots_));
    for (int s = 0; s < kOrSlotCount; ++s) {
        for (const int c : {Min, Max, RecoveryMin, RecoveryMax}) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            slots_->setItem(s, c, item);
        }
        auto* level = new QComboBox(slots_);
        level->setObjectName(QString("CombRec(%1)").arg(s));
        for (int l = 0; l <= kLevelCount; ++l)
            level->addItem(qs(recoveryLevelName(l)));
        level->setMaxVisibleItems(12);
        connect(level, &QComboBox::currentIndexChanged, this, [this, s](int l) {
            if (filling_ || row_ < 0)
                return;
            row().slots[static_cast<std::size_t>(s)].level = static_cast<std::uint8_t>(l);
            edited_ = quadro();
        });
        levels_[static_cast<std::size_t>(s)] = level;
        slots_->setCellWidget(s, Level, level);
    }
    fitGridToCells(slots_);
    connect(slots_, &QTableWidget::itemChanged, this, &PicchettoSomma::takeSlot);

    auto* pairs = new QLabel("Min. e Max.: la somma ammessa.\nRecupero, Min. e Max.: la somma "
                             "ammessa in recupero, con il suo livello.",
                             frame);
    range_ = new QLabel(" Somma Ammessa:", frame);
    range_->setObjectName("LabSommaAmmessa");
    auto* layout = new QVBoxLayout(frame);
    layout->addLayout(kinds);
    layout->addWidget(picchettoFrame_);
    layout->addWidget(slots_);
    layout->addWidget(pairs);
    layout->addWidget(range_);
    layout->addStretch();
    return frame;
}

QWidget* PicchettoSomma::makeCommands() {
    auto* frame = new QWidget(this);
    auto* import = namedButton(" Importa colonne ", "Cancella(6)", frame);
    connect(import, &QPushButton::clicked, this, &PicchettoSomma::importQuadro);
    auto* save = namedButton("Salva le colonne del quadro ", "Cancella(7)", frame);
    connect(save, &QPushButton::clicked, this, &PicchettoSomma::saveQuadro);
    auto* picchetti = namedButton("Modifica Picchetti", "Cancella(2)", frame);
    picchetti->setToolTip("Apre \"Generazione e inserimento Picchetto\"");
    connect(picchetti, &QPushButton::clicked, this, [this] { shell().runCommand("PicchettoS"); });
    auto* ok = namedButton("OK", "Cancella(1)", frame);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &PicchettoSomma::accept);
    auto* cancel = namedButton("Annulla", "Cancella(5)", frame);
    connect(cancel, &QPushButton::clicked, this, [this] { closeWindow(); });
    auto* layout = new QHBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(import);
    layout->addWidget(save);
    layout->addWidget(picchetti);
    layout->addStretch();
    layout->addWidget(cancel);
    layout->addWidget(ok);
    return frame;
}

void PicchettoSomma::showEvent(QShowEvent* event) {
    if (!editor_)
        startSession();
    ChildWindow::showEvent(event);
}

// Every opening is a session of its own. `salvpicchetto.txt` is made to
// hold the quadro in use, which "Annulla" reads back: after another system
// was opened it would still hold that system's rows.
void PicchettoSomma::startSession() {
    ProgramState& st = state();
    editor_.emplace(st.families.sums, st.conditions, kSumQuadroSlot);
    SumQuadro onFile;
    bool activeOnFile = false;
    const bool active = st.conditions.isActive(kSumQuadroSlot);
    if (loadConfirmedSums(st.folder, onFile, activeOnFile) || !(onFile == quadro()) ||
        activeOnFile != active)
        if (const auto failed = saveConfirmedSums(st.folder, quadro(), active))
            Avviso::ask(*failed, this);
    {
        const QSignalBlocker quiet(active_);
        active_->setChecked(editor_->box());
    }
    row_ = quadro().rows.empty() ? -1 : 0;
    fillRows();
    showRow();
}

SumQuadro& PicchettoSomma::quadro() {
    return editor_->table();
}

SumRow& PicchettoSomma::row() {
    return quadro().rows[static_cast<std::size_t>(row_)];
}

void PicchettoSomma::fillRows() {
    filling_ = true;
    const auto& rows = quadro().rows;
    rows_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const SumRow& sr = rows[static_cast<std::size_t>(r)];
        auto* numbers = fixedItem(numbersText(sr));
        numbers->setToolTip(numbers->text());
        rows_->setItem(r, 0, numbers);
        auto* kind = fixedItem(kindText(sr.kind));
        kind->setTextAlignment(Qt::AlignCenter);
        rows_->setItem(r, 1, kind);
    }
    if (row_ >= 0)
        rows_->setCurrentCell(row_, 0);
    filling_ = false;
    add_->setEnabled(rows.size() < kSumRowCount);
    erase_->setEnabled(!rows.empty());
    edited_ = quadro();
}

void PicchettoSomma::showRow() {
    rowEditor_->setEnabled(row_ >= 0);
    numbersFrame_->setTitle(row_ >= 0 ? QString("Numeri della colonnina N° %1:").arg(row_ + 1)
                                      : QString("Numeri della colonnina:"));
    filling_ = true;
    const int kind = row_ >= 0 ? row().kind : 0;
    kind_->button(kind == 0 ? 0 : 1)->setChecked(true);
    picchettoFrame_->setEnabled(kind != 0);
    // A button group keeps one button checked; "Somma" shows none of the ten.
    picchetto_->setExclusive(false);
    for (QAbstractButton* b : picchetto_->buttons())
        b->setChecked(picchetto_->id(b) == kind);
    picchetto_->setExclusive(true);
    filling_ = false;
    fillBoard();
    fillSlots();
    showRange();
}

void PicchettoSomma::fillBoard() {
    const QColor member = ValueGridModel::statusColour(CellStatus::Admitted);
    for (int r = 0; r < kBoardRows; ++r)
        for (int c = 0; c < kBoardColumns; ++c) {
            const int n = boardNumber(r, c);
            if (n > kMaxNumber)
                continue;
            QTableWidgetItem* item = board_->item(r, c);
            const bool in = row_ >= 0 && row().holds(n);
            item->setBackground(in ? member : QColor(Qt::white));
            item->setForeground(in ? QColor(Qt::white) : QColor(Qt::black));
            QFont font = item->font();
            font.setBold(state().selection.state(n) != Selection::NotChosen);
            item->setFont(font);
        }
}

void PicchettoSomma::fillSlots() {
    filling_ = true;
    for (int s = 0; s < kOrSlotCount; ++s) {
        OrSlot empty;
        OrSlot& slot = row_ >= 0 ? row().slots[static_cast<std::size_t>(s)] : empty;
        for (const int c : {Min, Max, RecoveryMin, RecoveryMax})
            slots_->item(s, c)->setText(decimalCellText(boundAt(slot, c), true));
        levels_[static_cast<std::size_t>(s)]->setCurrentIndex(slot.level);
    }
    filling_ = false;
}

// " Somma Ammessa:    Min = " .. over the numbers of the current system.
void PicchettoSomma::showRange() {
    std::array<bool, 51> chosen{};
    for (int n = 1; n <= kMaxNumber; ++n)
        chosen[static_cast<std::size_t>(n)] = state().selection.state(n) != Selection::NotChosen;
    const int kind = row_ >= 0 ? row().kind : 0;
    range_->setText(qs(admittedSumLabel(kind, state().families.picchetti, chosen)));
}

void PicchettoSomma::chooseRow(int r) {
    row_ = r;
    showRow();
}

void PicchettoSomma::toggleNumber(int n) {
    if (row_ < 0)
        return;
    row().setNumber(n, !row().holds(n));
    fillRows();
    fillBoard();
}

void PicchettoSomma::setNumbers(const std::function<bool(int)>& pick) {
    if (row_ < 0)
        return;
    for (int n = 1; n <= kMaxNumber; ++n)
        row().setNumber(n, pick(n));
    fillRows();
    fillBoard();
}

void PicchettoSomma::setKind(int kind) {
    if (filling_ || row_ < 0)
        return;
    row().kind = static_cast<std::uint8_t>(kind);
    fillRows();
    showRow();
}

// A typed bound × 100 (see DecimalCellDelegate); a cell that is no number
// keeps its value.
void PicchettoSomma::takeSlot(QTableWidgetItem* item) {
    if (filling_ || row_ < 0)
        return;
    std::int64_t& bound =
        boundAt(row().slots[static_cast<std::size_t>(item->row())], item->column());
    if (const auto v = typedDecimal(item->text()))
        bound = *v;
    edited_ = quadro();
    filling_ = true;
    item->setText(decimalCellText(bound, true));
    filling_ = false;
}

void PicchettoSomma::addRow() {
    if (quadro().rows.size() >= kSumRowCount)
        return;
    quadro().rows.emplace_back();
    row_ = static_cast<int>(quadro().rows.size()) - 1;
    fillRows();
    showRow();
}

// The highlighted row, or the highlighted range, after a question.
void PicchettoSomma::eraseRows() {
    if (row_ < 0)
        return;
    int first = row_;
    int last = row_;
    if (const auto ranges = rows_->selectedRanges(); !ranges.isEmpty()) {
        first = kSumRowCount;
        last = 0;
        for (const QTableWidgetSelectionRange& r : ranges) {
            first = std::min(first, r.topRow());
            last = std::max(last, r.bottomRow());
        }
    }
    const std::string line = first == last
                                 ? "Eliminare la colonne N°= " + std::to_string(first + 1)
                                 : "Eliminare le colonne dalla= " + std::to_string(first + 1) +
                                       " Alla= " + std::to_string(last + 1);
    if (Avviso::ask(Notice{"Elimina Colonne:", {line}, kNoticeYesNo, true}, this) != Avviso::Yes)
        return;
    auto& rows = quadro().rows;
    rows.erase(rows.begin() + first, rows.begin() + last + 1);
    row_ = rows.empty() ? -1 : std::min(first, static_cast<int>(rows.size()) - 1);
    rows_->clearSelection();
    fillRows();
    showRow();
}

void PicchettoSomma::saveQuadro() {
    if (const auto missing = checkSumQuadroToSave(quadro())) {
        Avviso::ask(*missing, this);
        return;
    }
    bool ok = false;
    const QString typed = QInputDialog::getText(this, "Salva le colonne del quadro",
                                                "Nome del quadro:", QLineEdit::Normal, {}, &ok)
                              .trimmed();
    if (!ok || typed.isEmpty())
        return;
    const std::string name = typed.toStdString();
    const ProgramFolder& folder = state().folder;
    if (namedSumsExist(folder, name) &&
        Avviso::ask(replaceFileQuestion(name + ".txt", name), this) != Avviso::Yes)
        return;
    if (const auto failed = saveNamedSums(folder, name, quadro(), active_->isChecked()))
        Avviso::ask(*failed, this);
}

// A quadro that cannot be read leaves the rows as they are.
void PicchettoSomma::importQuadro() {
    const ProgramFolder& folder = state().folder;
    QStringList names;
    for (const std::string& n : namedSumQuadri(folder))
        names << qs(n);
    if (names.isEmpty()) {
        Avviso::ask(Notice{"Avviso:", {"Non ci sono quadri salvati nella cartella picchetto."}},
                    this);
        return;
    }
    bool ok = false;
    const QString name = QInputDialog::getItem(this, " Importa colonne ",
                                               "Quadro da importare:", names, 0, false, &ok);
    if (!ok)
        return;
    bool active = active_->isChecked();
    if (const auto bad = loadNamedSums(folder, name.toStdString(), quadro(), active)) {
        Avviso::ask(*bad, this);
        return;
    }
    active_->setChecked(active);
    row_ = quadro().rows.empty() ? -1 : 0;
    fillRows();
    showRow();
}

void PicchettoSomma::accept() {
    if (!editor_)
        return;
    if (const auto wrong = checkSumIntervals(quadro())) {
        Avviso::ask(*wrong, this);
        return;
    }
    ProgramState& st = state();
    if (commitSumQuadro(*editor_)) {
        st.modifiedFamilies.markSlot(kSumQuadroSlot);
        st.modified = true;
    }
    if (const auto failed =
            saveConfirmedSums(st.folder, quadro(), st.conditions.isActive(kSumQuadroSlot)))
        Avviso::ask(*failed, this);
    editor_.reset();
    closeWindow();
    shell().refresh();
}

// "Annulla", Escape and the close box drop the edits: the quadro is read
// back from `salvpicchetto.txt`; a file spoilt meanwhile gives its notice
// and the quadro as it was at the opening comes back.
void PicchettoSomma::closeEvent(QCloseEvent* event) {
    if (editor_) {
        editor_->cancel();
        SumQuadro confirmed = quadro();
        bool active = false;
        if (const auto bad = loadConfirmedSums(state().folder, confirmed, active))
            Avviso::ask(*bad, this);
        else
            quadro() = std::move(confirmed);
        editor_.reset();
        shell().refresh();
    }
    ChildWindow::closeEvent(event);
}

// The system's numbers or the picchetti may have changed ("Modifica
// Picchetti"). A quadro that is not the one edited here came with another
// system: the session starts again from it, or "Annulla" would put the
// rows of the old system over it.
void PicchettoSomma::systemChanged() {
    if (!editor_)
        return;
    if (!(quadro() == edited_)) {
        editor_.reset();
        startSession();
        return;
    }
    fillBoard();
    showRange();
}

} // namespace varnelo

#include "conditions/ui/PicchettoS.h"

#include "conditions/FamilyFiles.h"
#include "conditions/SumQuadro.h"
#include "conditions/ui/DecimalCellDelegate.h"
#include "system/ProgramState.h"
#include "ui/Avviso.h"
#include "ui/DialogParts.h"
#include "ui/GridFit.h"
#include "ui/Shell.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace varnelo {

namespace {

// `Picchetto90`: five pairs (number, value), numbers 1-10 in the first pair.
constexpr int kPairs = 5;
constexpr int kPairRows = 10;

int numberAt(int row, int column) {
    return column / 2 * kPairRows + row + 1;
}

} // namespace

PicchettoS::PicchettoS(Shell& shell) : ChildWindow(shell, "PicchettoS", {103, 105}) {
    setWindowTitle("Generazione e inserimento Picchetto");
    tabs_ = new QTabBar(this);
    tabs_->setObjectName("TabStrip1");
    for (int p = 1; p <= kPicchettoCount; ++p)
        tabs_->addTab(QString::number(p));
    tabs_->setExpanding(false);
    connect(tabs_, &QTabBar::currentChanged, this, [this] { fill(); });

    grid_ = new QTableWidget(kPairRows, kPairs * 2, this);
    grid_->setObjectName("Picchetto90");
    QStringList headers;
    for (int p = 0; p < kPairs; ++p)
        headers << "N°"
                << "Valore";
    grid_->setHorizontalHeaderLabels(headers);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(22);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    grid_->setItemDelegate(new DecimalCellDelegate(grid_));
    for (int c = 0; c < kPairs * 2; ++c)
        grid_->setColumnWidth(c, c % 2 == 0 ? 34 : 72);
    fitGridToCells(grid_);
    for (int r = 0; r < kPairRows; ++r)
        for (int c = 0; c < kPairs * 2; ++c) {
            auto* item = new QTableWidgetItem;
            const int n = numberAt(r, c);
            if (c % 2 == 0 || n > kMaxNumber) {
                item->setFlags(Qt::ItemIsEnabled);
                item->setBackground(palette().window());
                item->setTextAlignment(Qt::AlignCenter);
                if (c % 2 == 0 && n <= kMaxNumber)
                    item->setText(QString::number(n));
            } else {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            grid_->setItem(r, c, item);
        }
    connect(grid_, &QTableWidget::itemChanged, this, &PicchettoS::take);

    auto* hint =
        new QLabel("Doppio clic o digitare su un valore per cambiarlo (due decimali).", this);
    auto* clear = namedButton(" Azzera picchetto  ", "CommAzzera", this);
    connect(clear, &QPushButton::clicked, this, [this] {
        table_.clear(shownPicchetto());
        fill();
    });
    auto* ok = namedButton("OK", "CommOk", this);
    ok->setToolTip("  Salva modifiche apportate  ");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &PicchettoS::accept);
    auto* cancel = namedButton("Annulla", "CommAnnulla", this);
    cancel->setToolTip("  Annulla modifiche apportate  ");
    connect(cancel, &QPushButton::clicked, this, [this] { closeWindow(); });

    auto* chooser = new QHBoxLayout;
    chooser->addWidget(new QLabel("Picchetto N°:", this));
    chooser->addWidget(tabs_);
    chooser->addStretch();
    auto* table = new QVBoxLayout;
    table->addLayout(chooser);
    table->addWidget(grid_);
    table->addWidget(hint);
    table->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(table);
    columns->addWidget(makeGenerationFrame(), 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(clear);
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
}

// `OptGenerazione`: the figure of the selected draws "Inserisci" takes into
// the shown picchetto.
QWidget* PicchettoS::makeGenerationFrame() {
    auto* frame = new QGroupBox("Generazione dall'archivio:", this);
    source_ = new QButtonGroup(this);
    auto* layout = new QVBoxLayout(frame);
    const char* captions[] = {"Usciti", "Frequenza", "Ritardo", "Ritardo Massimo", "Ciclo"};
    for (int i = 0; i < 5; ++i) {
        auto* option = new QRadioButton(captions[i], frame);
        option->setObjectName(QString("OptGenerazione(%1)").arg(i));
        source_->addButton(option, i);
        layout->addWidget(option);
    }
    source_->button(0)->setChecked(true);
    auto* insert = namedButton("Inserisci", "CommInserisci", frame);
    insert->setToolTip("Calcola il valore scelto per ogni numero e lo inserisce nel picchetto "
                       "mostrato");
    connect(insert, &QPushButton::clicked, this, &PicchettoS::generate);
    auto* range = namedButton("  Impostazione di ricerca dell'archivio  ", "CommRicerca", frame);
    connect(range, &QPushButton::clicked, this, &PicchettoS::chooseDraws);
    draws_ = new QLabel(frame);
    draws_->setObjectName("LabEstrazioni");
    layout->addSpacing(6);
    layout->addWidget(insert);
    layout->addWidget(range);
    layout->addWidget(draws_);
    layout->addStretch();
    return frame;
}

// Every opening edits a copy of the picchetti in use.
void PicchettoS::showEvent(QShowEvent* event) {
    if (!editing_) {
        table_ = state().families.picchetti;
        editing_ = true;
        fill();
    }
    showDrawCount();
    ChildWindow::showEvent(event);
}

int PicchettoS::shownPicchetto() const {
    return tabs_->currentIndex() + 1;
}

void PicchettoS::fill() {
    filling_ = true;
    const int p = shownPicchetto();
    for (int r = 0; r < kPairRows; ++r)
        for (int c = 1; c < kPairs * 2; c += 2) {
            const int n = numberAt(r, c);
            if (n <= kMaxNumber)
                grid_->item(r, c)->setText(decimalCellText(table_.value(p, n)));
        }
    filling_ = false;
}

void PicchettoS::take(QTableWidgetItem* item) {
    if (filling_ || item->column() % 2 == 0)
        return;
    const int n = numberAt(item->row(), item->column());
    if (const auto v = typedDecimal(item->text()))
        table_.setValue(shownPicchetto(), n, static_cast<std::int32_t>(*v));
    filling_ = true;
    item->setText(decimalCellText(table_.value(shownPicchetto(), n)));
    filling_ = false;
}

void PicchettoS::generate() {
    const std::vector<Draw>& selected = state().archive.selection;
    if (selected.empty()) {
        Avviso::ask(Notice{"Avviso:",
                           {"Non ci sono estrazioni nella ricerca dell'archivio.",
                            "Impostare la ricerca e riprovare."}},
                    this);
        return;
    }
    std::vector<Column> draws;
    draws.reserve(selected.size());
    for (const Draw& d : selected)
        draws.push_back(d.numbers);
    const auto values =
        generatePicchetto(draws, static_cast<PicchettoSource>(source_->checkedId()));
    for (int n = 1; n <= kMaxNumber; ++n)
        table_.setValue(shownPicchetto(), n, values[static_cast<std::size_t>(n)]);
    fill();
}

// A new range of draws generates the shown picchetto again.
void PicchettoS::chooseDraws() {
    const std::vector<Draw> before = state().archive.selection;
    shell().runCommand("Ricerca");
    showDrawCount();
    if (state().archive.selection != before)
        generate();
}

void PicchettoS::showDrawCount() {
    draws_->setText(QString("Estrazioni esaminate: %1").arg(state().archive.selection.size()));
}

void PicchettoS::accept() {
    ProgramState& st = state();
    if (!(table_ == st.families.picchetti)) {
        st.families.picchetti = table_;
        st.modifiedFamilies.markSlot(kSumQuadroSlot);
        st.modified = true;
    }
    if (const auto failed = savePicchetti(st.folder, table_))
        Avviso::ask(*failed, this);
    editing_ = false;
    closeWindow();
    shell().refresh();
}

// "Annulla", Escape and the close box drop the copy. The file is not read
// back: it may hold the picchetti of another system, and the ones in use
// are those saved with the current system.
void PicchettoS::closeEvent(QCloseEvent* event) {
    editing_ = false;
    ChildWindow::closeEvent(event);
}

bool PicchettoS::forgetEdits() {
    // Closing drops the copy of the picchetti.
    return editing_;
}

} // namespace varnelo

#include "columns/ui/ColonneFiltro.h"

#include "columns/FilterEdits.h"
#include "columns/ui/FilterListDraft.h"
#include "columns/ui/FilterListModel.h"
#include "columns/ui/SalvaColonneFiltro.h"
#include "system/ProgramState.h"
#include "ui/Avviso.h"
#include "ui/DialogParts.h"
#include "ui/Shell.h"
#include "ui/Text.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace varnelo {

namespace {

const char* kAnalyses[] = {"Analisi statistica", "Analisi statistica per Anno", "Frequenza Numeri",
                           "Distribuzione ò previsioni sul sistema in corso"};

} // namespace

ColonneFiltro::ColonneFiltro(Shell& shell, FilterListDraft& draft)
    : ChildWindow(shell, "ColonneFiltro", {73, 0}), draft_(draft) {
    setWindowTitle("Colonne filtro AND:");
    model_ = new FilterListModel(draft_, this);
    connect(model_, &FilterListModel::refused, this,
            [this](const Notice& n) { Avviso::ask(n, this); });
    grid_ = new QTableView(this);
    grid_->setObjectName("MSFGrande");
    grid_->setModel(model_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    grid_->setAlternatingRowColors(true);
    // Fixed row heights and column widths: nothing is measured per row, so
    // 20000 filter columns scroll at once.
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    grid_->verticalHeader()->setMinimumWidth(grid_->fontMetrics().horizontalAdvance("20000") + 12);
    QHeaderView* header = grid_->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionResizeMode(FilterListModel::Numbers, QHeaderView::Stretch);
    const QFontMetrics metrics = header->fontMetrics();
    int width = grid_->verticalHeader()->minimumWidth() + 24 +
                metrics.horizontalAdvance("00 00 00 00 00 00 00");
    for (int c = FilterListModel::Count; c < FilterListModel::FieldCount; ++c) {
        const QString caption = model_->headerData(c, Qt::Horizontal).toString();
        const int cellWidth =
            std::max(metrics.horizontalAdvance(caption),
                     c >= FilterListModel::Hits ? metrics.horizontalAdvance("0 1 2 3 4 5") : 0) +
            20;
        grid_->setColumnWidth(c, cellWidth);
        width += cellWidth;
    }
    // At its full width the grid shows every column; narrower, it scrolls.
    gridWidth_ = width;
    grid_->setMinimumWidth(width / 2);
    grid_->setToolTip("Scrivere i numeri della colonna filtro separati da spazi; "
                      "l'ultima riga aggiunge una nuova colonna filtro");
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &ColonneFiltro::showCurrent);
    // A change made elsewhere reloads the rows: the highlighted row stays.
    connect(model_, &QAbstractItemModel::modelAboutToBeReset, this,
            [this] { keptRow_ = grid_->currentIndex().row(); });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        if (draft_.size() > 0)
            grid_->setCurrentIndex(model_->index(std::clamp(keptRow_, 0, model_->rowCount() - 1),
                                                 FilterListModel::Numbers));
    });
    connect(&draft_, &FilterListDraft::listChanged, this, &ColonneFiltro::listChanged);
    connect(&draft_, &FilterListDraft::nameChanged, this,
            [this] { name_->setText("Nome colonne filtro = " + qs(draft_.name())); });

    name_ = new QLabel("Nome colonne filtro = ", this);
    name_->setObjectName("LabNome");
    count_ = new QLabel(this);
    count_->setObjectName("LabColonne");

    active_ = new QCheckBox("Attivazione", this);
    active_->setObjectName("CheckCol");
    active_->setToolTip("Lo sviluppo tiene solo le colonne che rispettano ogni colonna filtro");
    connect(active_, &QCheckBox::toggled, this, &ColonneFiltro::activate);
    auto* ok = namedButton("OK", "CommOk", this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &ColonneFiltro::accept);
    auto* cancel = namedButton("Annulla", "CommAnnulla", this);
    connect(cancel, &QPushButton::clicked, this, [this] { closeWindow(); });
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(active_);
    bottom->addSpacing(24);
    bottom->addWidget(count_);
    bottom->addStretch();
    bottom->addWidget(cancel);
    bottom->addWidget(ok);

    auto* side = new QVBoxLayout;
    side->addWidget(makePresence());
    side->addWidget(makeCommands());
    side->addStretch();
    auto* middle = new QHBoxLayout;
    middle->addWidget(grid_, 1);
    middle->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name_);
    layout->addLayout(middle, 1);
    layout->addLayout(bottom);
}

// "Presenze:": the admitted hits and consecutive counts of the highlighted
// filter column.
QWidget* ColonneFiltro::makePresence() {
    auto* frame = new QGroupBox("Presenze:", this);
    presenceCaption_ = new QLabel(frame);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(presenceCaption_, 0, 0, 1, 3);
    for (int h = 0; h <= 5; ++h) {
        hits_[h] = new QCheckBox(QString("Punti %1").arg(h), frame);
        hits_[h]->setObjectName(QString("CheckPunti(%1)").arg(h));
        consecutive_[h] = new QCheckBox(QString("Consecutivi  %1").arg(h), frame);
        consecutive_[h]->setObjectName(QString("CheckConsecutivi(%1)").arg(h));
        grid->addWidget(hits_[h], 1 + h / 3, h % 3);
        grid->addWidget(consecutive_[h], 3 + h / 3, h % 3);
        auto edit = [this, h](bool consecutive) {
            const int row = grid_->currentIndex().row();
            if (showing_ || row < 0 || static_cast<std::size_t>(row) >= draft_.size())
                return;
            ListColumn& c = draft_.list().columns[static_cast<std::size_t>(row)];
            if (consecutive)
                c.consecutive ^= static_cast<std::uint8_t>(1u << h);
            else
                toggleAdmittedHit(c, h);
            draft_.changed();
        };
        connect(hits_[h], &QCheckBox::clicked, this, [edit] { edit(false); });
        connect(consecutive_[h], &QCheckBox::clicked, this, [edit] { edit(true); });
    }
    auto* rule = new QLabel("Consecutivi: le coppie n, n+1 tra i numeri in comune;\n"
                            "nessuna casella: consecutivi liberi.",
                            frame);
    rule->setEnabled(false);
    grid->addWidget(rule, 5, 0, 1, 3);
    return frame;
}

QWidget* ColonneFiltro::makeCommands() {
    auto* commands = new QWidget(this);
    auto* layout = new QVBoxLayout(commands);
    layout->setContentsMargins(0, 0, 0, 0);
    auto button = [commands](const QString& caption, const QString& name, QLayout* into) {
        auto* b = namedButton(caption, name, commands);
        into->addWidget(b);
        return b;
    };
    auto place = [](QGridLayout* grid, const QString& caption, const QString& name, int row,
                    int column) {
        grid->addWidget(namedButton(caption, name, grid->parentWidget()), row, column);
    };
    auto* list = new QGroupBox("Colonne:", commands);
    auto* listLayout = new QGridLayout(list);
    place(listLayout, "Importa colonne", "CommImporta", 0, 0);
    place(listLayout, "Inserisci colonna", "CommInserisci", 0, 1);
    place(listLayout, "Elimina la colonnina evidenziata", "CommElimina", 1, 0);
    place(listLayout, "Elimina colonne dalla alla..", "CommEliminaDa", 1, 1);
    place(listLayout, "Salva le colonne del quadro", "CommSalva", 2, 0);
    place(listLayout, "Gestione colonne filtro", "CommGestione", 2, 1);
    place(listLayout, "Cancella", "CommCancella", 3, 0);
    layout->addWidget(list);

    auto* points = new QGroupBox("Punti:", commands);
    auto* pointsLayout = new QGridLayout(points);
    place(pointsLayout, "Modifica Punteggio", "CommPunteggio", 0, 0);
    place(pointsLayout, "Somma punti Uguali", "CommUguali", 0, 1);
    place(pointsLayout, "Sostituzione dei Segni", "CommSostituisci", 1, 0);
    layout->addWidget(points);

    auto* analyses = new QGroupBox("Analisi:", commands);
    auto* analysesLayout = new QVBoxLayout(analyses);
    for (int k = 0; k < 4; ++k) {
        QPushButton* b = button(QString::fromUtf8(kAnalyses[k]), QString("CommAnalisi(%1)").arg(k),
                                analysesLayout);
        connect(b, &QPushButton::clicked, this, [this, k] {
            if (shell().runCommand("ColonneFiltroAnalisi"))
                draft_.askAnalysis(k);
        });
    }
    connect(button("Impostazione di ricerca dell'archivio", "CommRicerca", analysesLayout),
            &QPushButton::clicked, this, [this] { shell().runCommand("Ricerca"); });
    layout->addWidget(analyses);

    auto on = [commands](const char* name) { return commands->findChild<QPushButton*>(name); };
    connect(on("CommImporta"), &QPushButton::clicked, this,
            [this] { openOn("ColonneFiltroMatr", true); });
    connect(on("CommInserisci"), &QPushButton::clicked, this, &ColonneFiltro::insertColumn);
    connect(on("CommElimina"), &QPushButton::clicked, this, &ColonneFiltro::eraseCurrent);
    connect(on("CommEliminaDa"), &QPushButton::clicked, this,
            [this] { openOn("ColonneFiltroElimona", false); });
    connect(on("CommSalva"), &QPushButton::clicked, this, &ColonneFiltro::saveList);
    connect(on("CommGestione"), &QPushButton::clicked, this,
            [this] { openOn("GestioneColFiltro", true); });
    connect(on("CommCancella"), &QPushButton::clicked, this, &ColonneFiltro::clearList);
    connect(on("CommPunteggio"), &QPushButton::clicked, this,
            [this] { openOn("ColonneFiltroUguali", false); });
    connect(on("CommUguali"), &QPushButton::clicked, this,
            [this] { openOn("ColonneFiltroUguali", true); });
    connect(on("CommSostituisci"), &QPushButton::clicked, this,
            [this] { openOn("ColonneFiltroCambia", false); });
    return commands;
}

QSize ColonneFiltro::sizeHint() const {
    return QSize(minimumSizeHint().width() + gridWidth_ / 2 + 8, 660);
}

void ColonneFiltro::showEvent(QShowEvent* event) {
    draft_.begin();
    if (!grid_->currentIndex().isValid() && draft_.size() > 0)
        grid_->setCurrentIndex(model_->index(0, FilterListModel::Numbers));
    name_->setText("Nome colonne filtro = " + qs(draft_.name()));
    listChanged();
    ChildWindow::showEvent(event);
}

// The close box and Escape drop the edits, as "Annulla" does.
void ColonneFiltro::closeEvent(QCloseEvent* event) {
    if (draft_.editing())
        draft_.end(false);
    ChildWindow::closeEvent(event);
}

std::pair<std::size_t, std::size_t> ColonneFiltro::highlighted() const {
    const auto size = draft_.size();
    std::size_t first = size, last = 0;
    for (const QModelIndex& i : grid_->selectionModel()->selectedRows()) {
        const auto r = static_cast<std::size_t>(i.row());
        if (r < size) {
            first = std::min(first, r);
            last = std::max(last, r);
        }
    }
    if (first > last) {
        const auto r = static_cast<std::size_t>(std::max(0, grid_->currentIndex().row()));
        first = last = std::min(r, size > 0 ? size - 1 : 0);
    }
    return {first + 1, last + 1};
}

void ColonneFiltro::openOn(const QString& command, bool wholeList) {
    const auto [first, last] =
        wholeList ? std::pair<std::size_t, std::size_t>{1, draft_.size()} : highlighted();
    draft_.setMarked(first, std::max(first, last));
    shell().runCommand(command);
}

void ColonneFiltro::showCurrent() {
    const int row = grid_->currentIndex().row();
    const bool real = row >= 0 && static_cast<std::size_t>(row) < draft_.size();
    showing_ = true;
    const ListColumn none;
    const ListColumn& c = real ? draft_.list().columns[static_cast<std::size_t>(row)] : none;
    presenceCaption_->setText(real ? QString("Colonna N° %1:  %2")
                                         .arg(row + 1)
                                         .arg(model_->index(row, 0).data().toString())
                                   : QString("Nessuna colonna filtro evidenziata"));
    for (int h = 0; h <= 5; ++h) {
        hits_[h]->setEnabled(real);
        consecutive_[h]->setEnabled(real);
        hits_[h]->setChecked(c.hits >> h & 1u);
        consecutive_[h]->setChecked(c.consecutive >> h & 1u);
    }
    showing_ = false;
}

void ColonneFiltro::listChanged() {
    count_->setText(
        QString("Colonne filtro: %1").arg(countText(static_cast<qlonglong>(draft_.size()))));
    active_->blockSignals(true);
    active_->setChecked(draft_.list().active);
    active_->blockSignals(false);
    showCurrent();
}

void ColonneFiltro::insertColumn() {
    if (draft_.size() >= kMaxFilterColumns) {
        Avviso::ask(tooManyFilterColumns(draft_.size() + 1), this);
        return;
    }
    const int row = std::max(0, grid_->currentIndex().row());
    auto& columns = draft_.list().columns;
    columns.insert(columns.begin() +
                       std::min<std::ptrdiff_t>(row, static_cast<std::ptrdiff_t>(columns.size())),
                   ListColumn{{}, 0x3F, 0});
    draft_.changed();
    grid_->setCurrentIndex(model_->index(row, FilterListModel::Numbers));
    grid_->edit(grid_->currentIndex());
}

void ColonneFiltro::eraseCurrent() {
    const int row = grid_->currentIndex().row();
    if (row < 0 || static_cast<std::size_t>(row) >= draft_.size())
        return;
    const Notice question{
        "Avviso:", {"Eliminare la colonne N°= " + std::to_string(row + 1)}, kNoticeYesNo, true};
    if (Avviso::ask(question, this) != Avviso::Yes)
        return;
    eraseFilterColumns(draft_.list(), static_cast<std::size_t>(row) + 1,
                       static_cast<std::size_t>(row) + 1);
    draft_.changed();
    grid_->setCurrentIndex(model_->index(row, FilterListModel::Numbers));
}

void ColonneFiltro::clearList() {
    if (draft_.size() == 0)
        return;
    const Notice question{
        "Avviso:", {"Cancellare tutte le colonne filtro della lista?"}, kNoticeYesNo, true};
    if (Avviso::ask(question, this) != Avviso::Yes)
        return;
    draft_.list().columns.clear();
    draft_.changed();
    draft_.setName({});
}

void ColonneFiltro::saveList() {
    SalvaColonneFiltro dialog(state().folder, draft_.list(), draft_.name(), this);
    if (dialog.exec() == QDialog::Accepted)
        draft_.setName(dialog.savedName());
}

// Ticking "Attivazione" checks the list at once, so that a refusal shows
// while the player is still at the list.
void ColonneFiltro::activate(bool on) {
    if (on) {
        ActiveFilters probe;
        if (auto refused = activateFilterList(draft_.list(), probe)) {
            Avviso::ask(*refused, this);
            active_->blockSignals(true);
            active_->setChecked(false);
            active_->blockSignals(false);
            return;
        }
    }
    draft_.list().active = on;
}

void ColonneFiltro::accept() {
    if (auto refused = draft_.end(true)) {
        Avviso::ask(*refused, this);
        return;
    }
    closeWindow();
    shell().refresh();
}

bool ColonneFiltro::forgetEdits() {
    // Closing drops the working copy, which belongs to the old system.
    return draft_.editing();
}

} // namespace varnelo

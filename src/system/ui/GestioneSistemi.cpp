#include "system/ui/GestioneSistemi.h"

#include "system/SystemName.h"
#include "ui/Avviso.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace varnelo {

namespace {
QTableWidgetItem* numberItem(qlonglong v) {
    auto* item = new QTableWidgetItem(QLocale().toString(v));
    item->setData(Qt::UserRole, v);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}
} // namespace

GestioneSistemi::GestioneSistemi(const ProgramFolder& folder, const QString& current,
                                 QWidget* parent)
    : QDialog(parent), folder_(folder), current_(current) {
    setObjectName("GestioneSistemi");
    setWindowTitle("Gestione sistemi:");
    grid_ = new QTableWidget(0, 5, this);
    grid_->setObjectName("MSFGestioneS");
    grid_->setHorizontalHeaderLabels(
        {"Sistema", "Colonne", "Sviluppate", "Livello", "Descrizione"});
    // The numbers take what their text needs and the description the rest,
    // also when the list is read again while the window shows.
    for (int c = 0; c < 4; ++c)
        grid_->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    grid_->horizontalHeader()->setSectionResizeMode(4, QHeaderView::Stretch);
    grid_->verticalHeader()->hide();
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSortingEnabled(false);
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this] {
        if (!chosenName().isEmpty())
            Q_EMIT openRequested(chosenName());
    });

    auto* open = new QPushButton("Apri sistema", this);
    open->setObjectName("CommApri");
    open->setDefault(true);
    connect(open, &QPushButton::clicked, this, [this] {
        if (!chosenName().isEmpty())
            Q_EMIT openRequested(chosenName());
    });
    auto* remove = new QPushButton(" Elimina sistema evidenziato ", this);
    remove->setObjectName("CommElimina");
    connect(remove, &QPushButton::clicked, this, &GestioneSistemi::deleteSelected);
    auto* close = new QPushButton("Chiudi", this);
    close->setObjectName("CommChiudi");
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    closeOnOpen_ = new QCheckBox("Chiudi all'apertura del sistema:", this);
    closeOnOpen_->setObjectName("CheChiudi");
    closeOnOpen_->setChecked(true);
    auto* reworkBox = new QGroupBox(this);
    auto* reworkLayout = new QVBoxLayout(reworkBox);
    rework_ = new QCheckBox("Rielabora Sistema:", reworkBox);
    rework_->setObjectName("CheRielabora");
    reworkLayout->addWidget(rework_);
    const char* kinds[] = {"Rielabora il sistema colonnare senza inserire le condizioni.",
                           "Rielabora il sistema colonnare con le proprie condizioni.",
                           "Rielabora il sistema colonnare con le condizioni di un altro sistema."};
    for (int i = 0; i < 3; ++i) {
        reworkKind_[i] = new QRadioButton(kinds[i], reworkBox);
        reworkKind_[i]->setObjectName(QString("OptRielabora(%1)").arg(i));
        reworkLayout->addWidget(reworkKind_[i]);
    }
    reworkKind_[1]->setChecked(true);
    reworkNote_ =
        new QLabel(" Nella rielaborazione non e possibile modificare il pronostico! ", reworkBox);
    reworkNote_->setObjectName("LabRielabora");
    reworkNote_->setStyleSheet("color: #b00000;");
    reworkLayout->addWidget(reworkNote_);
    // The note keeps its room while hidden, so ticking the box moves nothing.
    QSizePolicy keep = reworkNote_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    reworkNote_->setSizePolicy(keep);
    auto update = [this] {
        for (QRadioButton* b : reworkKind_)
            b->setEnabled(rework_->isChecked());
        reworkNote_->setVisible(rework_->isChecked());
    };
    connect(rework_, &QCheckBox::toggled, this, update);
    update();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(remove);
    buttons->addStretch();
    buttons->addWidget(open);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 1);
    layout->addWidget(closeOnOpen_);
    layout->addWidget(reworkBox);
    layout->addLayout(buttons);
    resize(720, 460);
    reload();
}

void GestioneSistemi::reload() {
    entries_ = listSystems(folder_);
    grid_->setRowCount(static_cast<int>(entries_.size()));
    for (int r = 0; r < static_cast<int>(entries_.size()); ++r) {
        const SystemEntry& e = entries_[static_cast<std::size_t>(r)];
        grid_->setItem(r, 0, new QTableWidgetItem(QString::fromStdString(e.name)));
        grid_->setItem(r, 1, numberItem(e.counts.final));
        grid_->setItem(r, 2, numberItem(e.counts.developed));
        grid_->setItem(r, 3, numberItem(e.developmentLevel));
        grid_->setItem(r, 4, new QTableWidgetItem(QString::fromStdString(e.description)));
    }
    // Enter opens the player's own system, never the archive by chance.
    if (const int row = preferredEntry(entries_, current_.toStdString()); row >= 0) {
        grid_->selectRow(row);
        grid_->setCurrentCell(row, 0);
    }
}

QString GestioneSistemi::chosenName() const {
    const int r = grid_->currentRow();
    return r >= 0 && r < static_cast<int>(entries_.size())
               ? QString::fromStdString(entries_[static_cast<std::size_t>(r)].name)
               : QString();
}

GestioneSistemi::Rework GestioneSistemi::rework() const {
    if (!rework_->isChecked())
        return Rework::None;
    if (reworkKind_[0]->isChecked())
        return Rework::WithoutConditions;
    return reworkKind_[1]->isChecked() ? Rework::OwnConditions : Rework::OtherConditions;
}

bool GestioneSistemi::closeOnOpen() const {
    return closeOnOpen_->isChecked();
}

void GestioneSistemi::deleteSelected() {
    const QString name = chosenName();
    if (name.isEmpty())
        return;
    // The archive system is refused by deleteSystem itself, with no question
    // whose "Sì" could not be honoured.
    if (!isReservedSystemName(name.toStdString())) {
        const Notice question{"Elimina sistema  = " + name.toStdString(),
                              {"Eliminare questo sistema = " + name.toStdString() + " ?"},
                              kNoticeYesNo,
                              true};
        if (Avviso::ask(question, this) != Avviso::Yes)
            return;
    }
    std::string error;
    if (!deleteSystem(folder_, name.toStdString(), error))
        Avviso::ask({"Avviso:", {error}}, this);
    reload();
}

} // namespace varnelo

#include "columns/ui/GestioneColFiltro.h"

#include "columns/FilterSources.h"
#include "columns/ui/FilterFields.h"
#include "columns/ui/FilterListDraft.h"
#include "conditions/FamilyFiles.h"
#include "system/ProgramState.h"
#include "system/SystemList.h"
#include "ui/Avviso.h"
#include "ui/DialogParts.h"
#include "ui/Text.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace varnelo {

namespace {
constexpr int KindRole = Qt::UserRole + 1;
const char* kExtensions[] = {".car", ".cac", ".cna"};
} // namespace

GestioneColFiltro::GestioneColFiltro(Shell& shell, FilterListDraft& draft)
    : FilterCompanion(shell, draft, "GestioneColFiltro", "Gestione matrici   ...Colonne filtro:") {
    name_ = new QLabel(this);
    name_->setObjectName("LabNome");
    auto* frame = new QGroupBox("Inserisci  matrici + sistemi:", this);
    files_ = new QListWidget(frame);
    files_->setObjectName("ListMatrici");
    files_->setMinimumSize(340, 220);
    connect(files_, &QListWidget::itemDoubleClicked, this, [this] { open(true); });
    hits_ = hitRangeBox("Valori  inseribili (file .cac e sistemi)", "TextPunti", frame);
    hits_->setValues(0, 2);
    auto* openButton = namedButton("Apri", "CommApri", frame);
    openButton->setToolTip("Sostituisce la lista con le colonne filtro scelte");
    connect(openButton, &QPushButton::clicked, this, [this] { open(true); });
    auto* addButton = namedButton("Aggiungi", "CommAggiungi", frame);
    addButton->setToolTip("Aggiunge le colonne filtro scelte in fondo alla lista");
    connect(addButton, &QPushButton::clicked, this, [this] { open(false); });
    auto* eraseButton = namedButton("Elimina", "CommElimina", frame);
    connect(eraseButton, &QPushButton::clicked, this, &GestioneColFiltro::erase);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(eraseButton);
    buttons->addStretch();
    buttons->addWidget(addButton);
    buttons->addWidget(openButton);
    auto* inner = new QVBoxLayout(frame);
    inner->addWidget(files_, 1);
    inner->addWidget(hits_);
    inner->addLayout(buttons);

    auto* layout = new QVBoxLayout;
    layout->addWidget(name_);
    layout->addWidget(frame, 1);
    setContent(layout, nullptr);
    connect(&draft, &FilterListDraft::nameChanged, this, &GestioneColFiltro::showName);
    fillFiles();
    showName();
}

void GestioneColFiltro::showEvent(QShowEvent* event) {
    fillFiles();
    FilterCompanion::showEvent(event);
}

void GestioneColFiltro::showName() {
    name_->setText("Nome colonne filtro = " + qs(draft().name()));
}

void GestioneColFiltro::fillFiles() {
    files_->clear();
    auto add = [this](const std::string& name, Kind kind) {
        auto* item = new QListWidgetItem(qs(name + kExtensions[kind]), files_);
        item->setData(Qt::UserRole, qs(name));
        item->setData(KindRole, kind);
    };
    for (const auto& name : filterFiles(state().folder, ".car"))
        add(name, Car);
    for (const auto& name : filterFiles(state().folder, ".cac"))
        add(name, Cac);
    for (const SystemEntry& e : listSystems(state().folder))
        if (!e.damaged)
            add(e.name, System);
    if (files_->count() > 0)
        files_->setCurrentRow(0);
}

bool GestioneColFiltro::readCurrent(std::vector<ListColumn>& columns, std::string& name) {
    const QListWidgetItem* item = files_->currentItem();
    if (!item || !accepted(checkHitRange(hits_->first(), hits_->last())))
        return false;
    name = item->data(Qt::UserRole).toString().toStdString();
    switch (item->data(KindRole).toInt()) {
    case Car: {
        CarFile car;
        if (!accepted(loadCar(state().folder, name, car)))
            return false;
        columns = std::move(car.columns);
        return true;
    }
    case Cac: {
        std::vector<ListColumn> read;
        if (!accepted(loadCac(state().folder, name, read)))
            return false;
        for (ListColumn& c : read)
            c.hits = admittedHitBits(hits_->first(), hits_->last());
        columns = std::move(read);
        return true;
    }
    default: {
        std::vector<Column> read;
        if (!accepted(readSystemColumns(state().folder, name, 0, read)))
            return false;
        columns = filterColumnsOf(read, hits_->first(), hits_->last());
        return true;
    }
    }
}

void GestioneColFiltro::open(bool replace) {
    std::vector<ListColumn> columns;
    std::string name;
    if (!readCurrent(columns, name))
        return;
    if (replace && draft().size() > 0 &&
        Avviso::ask({"Gestione matrici:",
                     {"Sostituire le colonne filtro della lista", "con  = " + name + " ?"},
                     kNoticeYesNo,
                     true},
                    this) != Avviso::Yes)
        return;
    FilterList next = draft().list();
    if (replace)
        next.columns.clear();
    if (!accepted(addFilterColumns(next, columns)))
        return;
    draft().list() = std::move(next);
    draft().changed();
    if (replace)
        draft().setName(name);
    closeWindow();
}

void GestioneColFiltro::erase() {
    const QListWidgetItem* item = files_->currentItem();
    if (!item)
        return;
    const int kind = item->data(KindRole).toInt();
    if (kind == System) {
        Avviso::ask({"Avviso:", {"I sistemi si eliminano da Gestione Sistemi."}}, this);
        return;
    }
    const std::string name = item->data(Qt::UserRole).toString().toStdString();
    if (Avviso::ask({"Gestione matrici:",
                     {"Eliminare le colonne filtro   = " + name + kExtensions[kind]},
                     kNoticeYesNo,
                     true},
                    this) != Avviso::Yes)
        return;
    accepted(deleteFilterFile(state().folder, name, kExtensions[kind]));
    fillFiles();
}

} // namespace varnelo

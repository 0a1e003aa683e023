#include "columns/ui/GestioneUnione.h"

#include "system/SystemList.h"
#include "ui/Avviso.h"
#include "ui/DialogParts.h"
#include "ui/Text.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <filesystem>

namespace varnelo {

GestioneUnione::GestioneUnione(const ProgramFolder& folder, QWidget* parent)
    : QDialog(parent), folder_(folder) {
    setObjectName("GestioneUnione");
    setWindowTitle("Apri sistemi colonnari:");
    systems_ = new QListWidget(this);
    systems_->setObjectName("ListSistemi");
    systems_->setMinimumSize(360, 240);
    connect(systems_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto* open = namedButton("Apri", "CommApri", this);
    open->setDefault(true);
    connect(open, &QPushButton::clicked, this, [this] {
        if (!chosenName().isEmpty())
            accept();
    });
    auto* remove = namedButton("Elimina", "CommElimina", this);
    connect(remove, &QPushButton::clicked, this, &GestioneUnione::deleteSelected);
    auto* close = namedButton("Chiudi", "CommChiudi", this);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(open);
    buttons->addWidget(remove);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(systems_, 1);
    layout->addLayout(buttons);
    fill();
}

QString GestioneUnione::chosenName() const {
    const QListWidgetItem* item = systems_->currentItem();
    return item ? item->data(Qt::UserRole).toString() : QString();
}

void GestioneUnione::fill() {
    systems_->clear();
    for (const SystemEntry& e : listSystems(folder_)) {
        if (e.damaged)
            continue;
        auto* item =
            new QListWidgetItem(QString("%1   (%2 colonne)   %3")
                                    .arg(qs(e.name), countText(e.counts.total), qs(e.description)),
                                systems_);
        item->setData(Qt::UserRole, qs(e.name));
    }
    if (systems_->count() > 0)
        systems_->setCurrentRow(0);
}

void GestioneUnione::deleteSelected() {
    const std::string name = chosenName().toStdString();
    if (name.empty())
        return;
    const Notice question{"Avviso:", {"Eliminare il sistema = " + name + " ?"}, kNoticeYesNo, true};
    if (Avviso::ask(question, this) != Avviso::Yes)
        return;
    std::string error;
    if (!deleteSystem(folder_, name, error)) {
        Avviso::ask(Notice{"Avviso:", {error}}, this);
        return;
    }
    std::error_code ec;
    std::filesystem::remove(folder_.path("qor/" + name + ".sss"), ec);
    fill();
}

} // namespace varnelo

#include "system/ui/Importa.h"

#include "conditions/FamilyFiles.h"
#include "reduced/PersonalTable.h"
#include "system/ProgramState.h"
#include "ui/Avviso.h"
#include "ui/DialogParts.h"
#include "ui/FolderPicker.h"
#include "ui/OptionButtons.h"
#include "ui/Text.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace varnelo {

Importa::Importa(Shell& shell) : ChildWindow(shell, "Importa") {
    setWindowTitle("Esporta,   Importa:");

    auto* options =
        optionGroup(this, QString(), "Option1", {"Esporta", "Importa"}, 0, directions_, true);

    grid_ = new QTableWidget(0, 2, this);
    grid_->setObjectName("MSFGestioneS");
    grid_->setHorizontalHeaderLabels({"Tipo", "Nome"});
    grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    grid_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);

    picker_ = new FolderPicker({"*.sse", "*.sck", "*.rid"}, this);

    auto* help = new QLabel("Se non avete la stampante,in questa finestra potete copiare il "
                            "sistema in un dischetto, in modo da poterlo portare nella propria "
                            "ricevitoria, per farlo stampare e giocarlo.",
                            this);
    help->setWordWrap(true);

    auto* run = namedButton("Trasferisci", "CommEseg", this);
    remove_ = namedButton("Elimina", "CommElimina", this);
    auto* close = namedButton("Chiudi", "Command1", this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(remove_);
    buttons->addStretch();
    buttons->addWidget(run);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(options);
    layout->addWidget(new QLabel("Nella cartella del programma:", this));
    layout->addWidget(grid_, 1);
    layout->addWidget(new QLabel("Altra cartella (unità esterna, chiavetta...):", this));
    layout->addWidget(picker_, 1);
    layout->addWidget(help);
    layout->addLayout(buttons);
    setMinimumSize(520, 560);

    connect(directions_[0], &QRadioButton::toggled, this, &Importa::fillGrid);
    connect(picker_, &FolderPicker::folderChanged, this, [this] {
        if (direction() == Direction::Import)
            fillGrid();
    });
    connect(grid_, &QTableWidget::currentCellChanged, this, [this] {
        const TransferItem* item = selectedItem();
        remove_->setEnabled(item && item->kind == ItemKind::Reduced &&
                            direction() == Direction::Export);
    });
    connect(run, &QPushButton::clicked, this, &Importa::transfer);
    connect(remove_, &QPushButton::clicked, this, &Importa::removeReduced);
    connect(close, &QPushButton::clicked, this, &ChildWindow::closeWindow);
    fillGrid();
}

Direction Importa::direction() const {
    return chosenOption(directions_) == 0 ? Direction::Export : Direction::Import;
}

// Exports list the program's items, imports those of the other folder.
void Importa::fillGrid() {
    items_ = direction() == Direction::Export
                 ? programItems(state().folder)
                 : folderItems(std::filesystem::path(picker_->folder().toStdString()));
    grid_->setRowCount(static_cast<int>(items_.size()));
    for (int r = 0; r < grid_->rowCount(); ++r) {
        const TransferItem& item = items_[static_cast<std::size_t>(r)];
        grid_->setItem(r, 0, new QTableWidgetItem(qs(kindText(item.kind))));
        grid_->setItem(r, 1, new QTableWidgetItem(qs(item.name)));
    }
    grid_->setCurrentCell(items_.empty() ? -1 : 0, 0);
    remove_->setEnabled(!items_.empty() && items_.front().kind == ItemKind::Reduced &&
                        direction() == Direction::Export);
}

const TransferItem* Importa::selectedItem() const {
    const int r = grid_->currentRow();
    return r >= 0 && r < static_cast<int>(items_.size()) ? &items_[static_cast<std::size_t>(r)]
                                                         : nullptr;
}

void Importa::transfer() {
    const TransferItem* chosen = selectedItem();
    if (!chosen)
        return;
    const TransferItem item = *chosen;
    const std::filesystem::path dir = picker_->folder().toStdString();
    const auto existing = filesToReplace(state().folder, item, dir, direction());
    if (!existing.empty() &&
        Avviso::ask(replaceFileQuestion(existing.front().filename().string(), item.name), this) !=
            Avviso::Yes)
        return;
    const TransferOutcome out = transferItem(state().folder, item, dir, direction());
    fillGrid();
    picker_->refresh();
    Avviso::ask(out.notice, this);
}

void Importa::removeReduced() {
    const TransferItem* chosen = selectedItem();
    if (!chosen || chosen->kind != ItemKind::Reduced || direction() != Direction::Export)
        return;
    const std::string name = chosen->name;
    const Notice question{
        "Avviso:", {"Eliminare il mio ridotto personale = " + name}, kNoticeYesNo, true};
    if (Avviso::ask(question, this) != Avviso::Yes)
        return;
    if (const auto failed = deletePersonalTable(state().folder, name))
        Avviso::ask(*failed, this);
    fillGrid();
}

} // namespace varnelo

#include "columns/ui/ColFilUsciteSistem.h"

#include "columns/FilterSources.h"
#include "columns/ui/FilterFields.h"
#include "columns/ui/FilterListDraft.h"
#include "system/ProgramState.h"
#include "system/SystemList.h"
#include "ui/DialogParts.h"
#include "ui/Text.h"

#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace varnelo {

ColFilUsciteSistem::ColFilUsciteSistem(Shell& shell, FilterListDraft& draft)
    : FilterCompanion(shell, draft, "ColFilUsciteSistem", "Importa sistemi:") {
    auto* systemsFrame = new QGroupBox("Sistemi", this);
    systems_ = new QListWidget(systemsFrame);
    systems_->setObjectName("ListSistemi");
    systems_->setMinimumSize(320, 160);
    systemHits_ = hitRangeBox("Valori  inseribili", "TextPuntiSistema", systemsFrame);
    systemHits_->setValues(0, 2);
    auto* importSystem = namedButton("Importa sistema", "CommImporta", systemsFrame);
    connect(importSystem, &QPushButton::clicked, this, &ColFilUsciteSistem::importSystem);
    connect(systems_, &QListWidget::itemDoubleClicked, this, &ColFilUsciteSistem::importSystem);
    auto* systemsLayout = new QVBoxLayout(systemsFrame);
    systemsLayout->addWidget(new QLabel("Max 20000 colonne", systemsFrame));
    systemsLayout->addWidget(systems_, 1);
    systemsLayout->addWidget(systemHits_);
    systemsLayout->addWidget(importSystem, 0, Qt::AlignRight);

    auto* textFrame = new QGroupBox("File di Testo", this);
    textHits_ =
        hitRangeBox("Inserire i punti per le colonne di Testo:", "TextPuntiTesto", textFrame);
    textHits_->setValues(0, 2);
    auto* chooseText = namedButton("Scegli il file...", "CommTesto", textFrame);
    connect(chooseText, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(
            this, "File di Testo", qs(state().folder.root().string()), "File testo (*.txt)");
        if (!path.isEmpty())
            importTextFile(path);
    });
    auto* textLayout = new QVBoxLayout(textFrame);
    textLayout->addWidget(
        new QLabel("Una colonna filtro per riga, i numeri separati da spazi.", textFrame));
    textLayout->addWidget(textHits_);
    textLayout->addWidget(chooseText, 0, Qt::AlignRight);

    auto* layout = new QVBoxLayout;
    layout->addWidget(systemsFrame, 1);
    layout->addWidget(textFrame);
    setContent(layout, nullptr);
    fillSystems();
}

void ColFilUsciteSistem::fillSystems() {
    systems_->clear();
    for (const SystemEntry& e : listSystems(state().folder)) {
        if (e.damaged)
            continue;
        auto* item = new QListWidgetItem(
            QString("%1   (%2 colonne)").arg(qs(e.name), countText(e.counts.total)), systems_);
        item->setData(Qt::UserRole, qs(e.name));
    }
    if (systems_->count() > 0)
        systems_->setCurrentRow(0);
}

bool ColFilUsciteSistem::add(const std::vector<ListColumn>& columns) {
    if (!accepted(addFilterColumns(draft().list(), columns)))
        return false;
    draft().changed();
    closeWindow();
    return true;
}

void ColFilUsciteSistem::importSystem() {
    const QListWidgetItem* item = systems_->currentItem();
    if (!item || !accepted(checkHitRange(systemHits_->first(), systemHits_->last())))
        return;
    std::vector<Column> columns;
    if (!accepted(readSystemColumns(state().folder,
                                    item->data(Qt::UserRole).toString().toStdString(),
                                    draft().size(), columns)))
        return;
    add(filterColumnsOf(columns, systemHits_->first(), systemHits_->last()));
}

bool ColFilUsciteSistem::importTextFile(const QString& path) {
    if (!accepted(checkHitRange(textHits_->first(), textHits_->last())))
        return false;
    std::vector<ListColumn> columns;
    if (!accepted(
            readFilterText(path.toStdString(), textHits_->first(), textHits_->last(), columns)))
        return false;
    return add(columns);
}

} // namespace varnelo

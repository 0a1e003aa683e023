#include "columns/ui/ColFilUscite.h"

#include "columns/FilterSources.h"
#include "columns/ui/FilterFields.h"
#include "columns/ui/FilterListDraft.h"
#include "system/ProgramState.h"
#include "ui/DialogParts.h"
#include "ui/Shell.h"
#include "ui/Text.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace varnelo {

namespace {
// Offered at first: the newest hundred draws of the selection.
constexpr int kFirstOffer = 100;
} // namespace

ColFilUscite::ColFilUscite(Shell& shell, FilterListDraft& draft)
    : FilterCompanion(shell, draft, "ColFilUscite", "Importazione colonne vincenti") {
    auto* range = new QGroupBox("Concorsi da importare:", this);
    from_ = new QComboBox(range);
    from_->setObjectName("CombRec");
    to_ = new QComboBox(range);
    to_->setObjectName("CombRec2");
    count_ = new QLabel(range);
    count_->setObjectName("LabConteggio");
    auto* search = namedButton("Impostazione di ricerca dell'archivio", "CommRicerca", range);
    connect(search, &QPushButton::clicked, this, [this] { this->shell().runCommand("Ricerca"); });
    auto* grid = new QGridLayout(range);
    grid->addWidget(new QLabel("Dal concorso", range), 0, 0);
    grid->addWidget(from_, 0, 1);
    grid->addWidget(new QLabel("Al concorso", range), 1, 0);
    grid->addWidget(to_, 1, 1);
    grid->addWidget(count_, 2, 0, 1, 2);
    grid->addWidget(search, 3, 0, 1, 2, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    for (QComboBox* c : {from_, to_})
        connect(c, &QComboBox::currentIndexChanged, this, &ColFilUscite::updateCount);

    auto* presence = new QLabel("Inserisci le presenze da voler conseguire  grazie..!", this);
    hits_ = hitRangeBox("Valori  inseribili", "TextPresenze", this);
    hits_->setValues(0, 2);
    auto* import = namedButton("Importa", "CommImporta", this);
    connect(import, &QPushButton::clicked, this, &ColFilUscite::import);
    auto* layout = new QVBoxLayout;
    layout->addWidget(range);
    layout->addWidget(presence);
    layout->addWidget(hits_);
    setContent(layout, import);
    fillDraws();
}

void ColFilUscite::fillDraws() {
    const auto& draws = state().archive.selection;
    for (QComboBox* c : {from_, to_}) {
        c->blockSignals(true);
        c->clear();
        for (std::size_t i = 0; i < draws.size(); ++i)
            c->addItem(QString("%1  -  %2  -  %3")
                           .arg(i + 1)
                           .arg(qs(draws[i].date()), qs(draws[i].numbersText())));
        c->blockSignals(false);
    }
    const int count = static_cast<int>(draws.size());
    from_->setCurrentIndex(std::max(0, count - kFirstOffer));
    to_->setCurrentIndex(count - 1);
    updateCount();
}

void ColFilUscite::updateCount() {
    const int n = std::max(0, to_->currentIndex() - from_->currentIndex() + 1);
    count_->setText(QString("Colonne da importare = %1").arg(countText(n)));
}

void ColFilUscite::import() {
    if (from_->currentIndex() < 0 || !accepted(checkHitRange(hits_->first(), hits_->last())))
        return;
    const auto columns =
        drawColumns(state().archive.selection, static_cast<std::size_t>(from_->currentIndex()) + 1,
                    static_cast<std::size_t>(to_->currentIndex()) + 1);
    if (accepted(addFilterColumns(draft().list(),
                                  filterColumnsOf(columns, hits_->first(), hits_->last())))) {
        draft().changed();
        closeWindow();
    }
}

} // namespace varnelo

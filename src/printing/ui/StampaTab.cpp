#include "printing/ui/StampaTab.h"

#include "printing/PrintFiles.h"
#include "ui/OptionButtons.h"
#include "printing/ui/PrintOutput.h"
#include "system/ProgramState.h"
#include "ui/Avviso.h"
#include "ui/DialogParts.h"
#include "ui/Text.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace varnelo {

StampaTab::StampaTab(Shell& shell) : ChildWindow(shell, "StampaTab") {
    setWindowTitle("Stampa tabulato:");
    auto* sizeBox =
        optionGroup(this, "Carattere", "OptionCarattere", {"Piccolo", "Normale", "Grande"},
                    static_cast<int>(readListingSize(state().folder)), sizes_);

    auto* sectionBox = new QGroupBox("Cosa stampare", this);
    auto* sectionLayout = new QVBoxLayout(sectionBox);
    const char* sectionNames[] = {"Numeri in gioco",    "Condizioni",
                                  "Colonne filtro and", "Colonne filtro  AND OR",
                                  "Stampa Colonne",     "Link Condizioni, e Punti tra Condizioni"};
    const ListingSections initial = defaultListingSections();
    for (int i = 0; i < kListingSections; ++i) {
        auto* box = new QCheckBox(sectionNames[i], sectionBox);
        box->setObjectName(QString("ChStampa(%1)").arg(i));
        box->setChecked(initial[static_cast<std::size_t>(i)]);
        sections_[static_cast<std::size_t>(i)] = box;
        sectionLayout->addWidget(box);
    }
    auto* all = namedButton("Seleziona Tutto", "ChStampaSelez(0)", sectionBox);
    auto* none = namedButton("Deseleziona Tutto", "ChStampaSelez(1)", sectionBox);
    auto* pick = new QHBoxLayout;
    pick->addWidget(all);
    pick->addWidget(none);
    sectionLayout->addLayout(pick);
    connect(all, &QPushButton::clicked, this, [this] {
        for (auto* b : sections_)
            b->setChecked(true);
    });
    connect(none, &QPushButton::clicked, this, [this] {
        for (auto* b : sections_)
            b->setChecked(false);
    });

    copies_ = new QSpinBox(this);
    copies_->setObjectName("TextCopie");
    copies_->setRange(1, 99);
    auto* copiesRow = new QHBoxLayout;
    copiesRow->addWidget(new QLabel("Numero copie", this));
    copiesRow->addWidget(copies_);
    copiesRow->addStretch();

    auto* preview = namedButton(" Anteprima di stampa ", "Anteprima", this);
    auto* print = namedButton("Stampa...", "Stampa", this);
    auto* pdf = namedButton("Salva PDF", "SalvaPdf", this);
    auto* close = namedButton("Chiudi", "Chiudi", this);
    auto* buttons = new QHBoxLayout;
    for (auto* b : {preview, print, pdf, close})
        buttons->addWidget(b);

    connect(preview, &QPushButton::clicked, this, [this] {
        keepSize();
        showPrintPreview(this, " Anteprima di stampa ",
                         listingPainter(state(), size(), sections(), nullptr, kPreviewPages));
    });
    connect(print, &QPushButton::clicked, this, [this] {
        keepSize();
        printPages(*this, false, copies_->value(), listing());
    });
    connect(pdf, &QPushButton::clicked, this, [this] {
        keepSize();
        offerPdf(*this, qs(state().systemName), listing());
    });
    connect(close, &QPushButton::clicked, this, [this] { closeWindow(); });

    auto* grid = new QGridLayout(this);
    grid->addWidget(sizeBox, 0, 0);
    grid->addWidget(sectionBox, 0, 1, 2, 1);
    grid->addLayout(copiesRow, 1, 0);
    grid->addLayout(buttons, 2, 0, 1, 2);
}

ListingSize StampaTab::size() const {
    return static_cast<ListingSize>(chosenOption(sizes_));
}

PrintDocument StampaTab::listing() const {
    return [this, size = size(), sections = sections()](PrintJob* p) {
        return listingPainter(state(), size, sections, p);
    };
}

ListingSections StampaTab::sections() const {
    ListingSections s{};
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = sections_[i]->isChecked();
    return s;
}

void StampaTab::keepSize() {
    std::string error;
    if (!writeListingSize(state().folder, size(), error))
        Avviso::ask(Notice{"Stampa tabulato:", {error}}, this);
}

} // namespace varnelo

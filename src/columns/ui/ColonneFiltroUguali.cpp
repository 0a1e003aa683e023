#include "columns/ui/ColonneFiltroUguali.h"

#include "columns/ui/FilterFields.h"
#include "columns/ui/FilterListDraft.h"
#include "ui/DialogParts.h"

#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace varnelo {

ColonneFiltroUguali::ColonneFiltroUguali(Shell& shell, FilterListDraft& draft)
    : FilterCompanion(shell, draft, "ColonneFiltroUguali", "Somma punti uguali:") {
    range_ = positionsBox("Colonne filtro:", "TextColonne");
    auto* values = new QGroupBox("Valori Inseribili", this);
    hits_ = hitRangeBox("Punti:", "TextPunti", values);
    hits_->setValues(0, 2);
    consecutive_ = hitRangeBox("Consecutivi:", "TextConsecutivi", values);
    consecutive_->setObjectName("FrameConsecutivi");
    // Unticked, the consecutive counts of the columns stay as they are.
    consecutive_->setCheckable(true);
    consecutive_->setChecked(false);
    auto* inner = new QVBoxLayout(values);
    inner->addWidget(hits_);
    inner->addWidget(consecutive_);
    auto* apply = namedButton("Applica", "CommApplica", this);
    connect(apply, &QPushButton::clicked, this, &ColonneFiltroUguali::apply);
    auto* layout = new QVBoxLayout;
    layout->addWidget(range_);
    layout->addWidget(values);
    setContent(layout, apply);
}

void ColonneFiltroUguali::apply() {
    const auto [first, last] = range_->positions();
    std::optional<int> minConsecutive, maxConsecutive;
    if (consecutive_->isChecked()) {
        minConsecutive = consecutive_->first();
        maxConsecutive = consecutive_->last();
    }
    if (accepted(setAdmittedHits(draft().list(), first, last, hits_->first(), hits_->last(),
                                 minConsecutive, maxConsecutive)))
        draft().changed();
}

} // namespace varnelo

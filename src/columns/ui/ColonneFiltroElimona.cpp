#include "columns/ui/ColonneFiltroElimona.h"

#include "columns/ui/FilterFields.h"
#include "columns/ui/FilterListDraft.h"
#include "ui/Avviso.h"
#include "ui/DialogParts.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace varnelo {

ColonneFiltroElimona::ColonneFiltroElimona(Shell& shell, FilterListDraft& draft)
    : FilterCompanion(shell, draft, "ColonneFiltroElimona", "Elimina Colonne:") {
    range_ = positionsBox("Elimina dalla alla...", "TextElimina");
    auto* erase = namedButton("Elimina", "CommElimina", this);
    connect(erase, &QPushButton::clicked, this, &ColonneFiltroElimona::erase);
    auto* layout = new QVBoxLayout;
    layout->addWidget(range_);
    setContent(layout, erase);
}

void ColonneFiltroElimona::erase() {
    const auto [first, last] = range_->positions();
    if (draft().size() == 0 || first > last)
        return;
    const std::string question = first == last
                                     ? "Eliminare la colonne N°= " + std::to_string(first)
                                     : "Eliminare le colonne dalla= " + std::to_string(first) +
                                           " Alla= " + std::to_string(last);
    if (Avviso::ask({"Elimina Colonne:", {question}, kNoticeYesNo, true}, this) != Avviso::Yes)
        return;
    eraseFilterColumns(draft().list(), first, last);
    draft().changed();
}

} // namespace varnelo

#include "columns/ui/ColonneFiltroCambia.h"

#include "columns/ui/FilterFields.h"
#include "columns/ui/FilterListDraft.h"
#include "ui/DialogParts.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace varnelo {

namespace {
QSpinBox* numberBox(const QString& name, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(1, kMaxNumber);
    box->setAlignment(Qt::AlignRight);
    box->setMinimumWidth(80);
    return box;
}
} // namespace

ColonneFiltroCambia::ColonneFiltroCambia(Shell& shell, FilterListDraft& draft)
    : FilterCompanion(shell, draft, "ColonneFiltroCambia", "Sostituzione di Segni:") {
    range_ = positionsBox("Sostituisci dalla alla...", "TextSostituisci");
    auto* numbers = new QGroupBox("Numeri:", this);
    search_ = numberBox("TextRicerca", numbers);
    replacement_ = numberBox("TextSostituisciCon", numbers);
    auto* form = new QFormLayout(numbers);
    form->addRow("Ricerca:", search_);
    form->addRow("Sostituisci con:", replacement_);
    auto* replace = namedButton("Sostituisci", "CommSostituisci", this);
    connect(replace, &QPushButton::clicked, this, &ColonneFiltroCambia::replace);
    auto* layout = new QVBoxLayout;
    layout->addWidget(range_);
    layout->addWidget(numbers);
    setContent(layout, replace);
}

void ColonneFiltroCambia::replace() {
    const auto [first, last] = range_->positions();
    const auto notice =
        replaceNumber(draft().list(), first, last, search_->value(), replacement_->value());
    draft().changed();
    accepted(notice);
}

} // namespace varnelo

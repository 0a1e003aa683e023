#include "conditions/ui/QuadroImportWindow.h"

#include "conditions/AndOrFilter.h"
#include "conditions/ui/QuadroImport.h"
#include "ui/Avviso.h"
#include "ui/DialogParts.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace varnelo {

QuadroImportWindow::QuadroImportWindow(Shell& shell, const QString& name, const QString& title,
                                       QuadroImport& target)
    : ChildWindow(shell, name), target_(target) {
    setWindowTitle(title);
    caption_ = new QLabel(this);
    caption_->setObjectName("LabQuadro");
    body_ = new QVBoxLayout;

    hits_ = new QGroupBox("Valori  inseribili", this);
    min_ = new QSpinBox(hits_);
    min_->setObjectName("TxtMin");
    max_ = new QSpinBox(hits_);
    max_->setObjectName("TxtMax");
    for (QSpinBox* box : {min_, max_})
        box->setRange(0, 5);
    // A past draw usually shares few numbers with the next one.
    max_->setValue(2);
    auto* hitsLayout = new QHBoxLayout(hits_);
    hitsLayout->addWidget(new QLabel("Min.", hits_));
    hitsLayout->addWidget(min_);
    hitsLayout->addSpacing(12);
    hitsLayout->addWidget(new QLabel("Max.", hits_));
    hitsLayout->addWidget(max_);
    hitsLayout->addStretch();

    auto* import = namedButton("Importa", "CommImporta", this);
    import->setDefault(true);
    connect(import, &QPushButton::clicked, this, &QuadroImportWindow::import);
    auto* close = namedButton("Chiudi", "CommChiudi", this);
    connect(close, &QPushButton::clicked, this, [this] { closeWindow(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    buttons->addWidget(import);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption_);
    layout->addLayout(body_, 1);
    layout->addWidget(hits_);
    layout->addLayout(buttons);
}

void QuadroImportWindow::setHitsCaption(const QString& caption) {
    hits_->setTitle(caption);
}

void QuadroImportWindow::showEvent(QShowEvent* event) {
    caption_->setText("Le colonne filtro vanno nel " + target_.importCaption() + ".");
    ChildWindow::showEvent(event);
}

void QuadroImportWindow::import() {
    AndOrQuadro* quadro = target_.importQuadro();
    if (!quadro) {
        Avviso::ask(Notice{"Avviso:", {"Aprire prima la finestra dei quadri (Quadri AND OR)."}},
                    this);
        return;
    }
    const int low = std::min(min_->value(), max_->value());
    const int high = std::max(min_->value(), max_->value());
    std::optional<Notice> notice;
    const bool taken = importInto(*quadro, low, high, notice);
    if (taken)
        target_.columnsImported();
    if (notice)
        Avviso::ask(*notice, this);
    if (taken)
        closeWindow();
}

} // namespace varnelo

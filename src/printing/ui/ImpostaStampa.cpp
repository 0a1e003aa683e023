#include "printing/ui/ImpostaStampa.h"

#include "ui/OptionButtons.h"
#include "printing/ui/PrintOutput.h"
#include "system/ProgramState.h"
#include "system/SystemPrinting.h"
#include "ui/Avviso.h"
#include "ui/DialogParts.h"
#include "ui/Shell.h"
#include "ui/Text.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace varnelo {

ImpostaStampa::ImpostaStampa(Shell& shell) : ChildWindow(shell, "ImpostaStampa") {
    setWindowTitle("Stampa schedine:");
    std::optional<Notice> notice;
    const SlipPrintSettings settings = readSlipPrintSettings(state().folder, notice);
    if (notice)
        Avviso::ask(*notice, this);

    slips_ = new QLabel(this);
    slips_->setObjectName("LabSchedine");
    perSlip_ = new QSpinBox(this);
    perSlip_->setObjectName("ColonnePerSchedina");
    perSlip_->setRange(1, kSlipGrids);
    perSlip_->setValue(settings.perSlip);
    connect(perSlip_, &QSpinBox::valueChanged, this, [this] { showSlipCount(); });

    auto* modeBox =
        optionGroup(this, "Colore dei segni", "OpModo", {"Nero", "Grigio", "Grigio chiaro"},
                    static_cast<int>(settings.mode) - 1, modes_);
    auto* receiptBox =
        optionGroup(this, "Cedolina", "OpCedola", {"Solo Schedine", "Con Cedolina", "Con Disegno"},
                    static_cast<int>(settings.receipt), receipt_);

    auto* subscription = new QGroupBox("Abbonamento:", this);
    draws_ = new QComboBox(subscription);
    draws_->setObjectName("Combos");
    for (int i = 1; i <= 12; ++i)
        draws_->addItem(QString::number(i));
    draws_->setCurrentIndex(settings.subscriptionDraws - 1);
    auto* subLayout = new QHBoxLayout(subscription);
    subLayout->addWidget(new QLabel("Per numero di concorsi:", subscription));
    subLayout->addWidget(draws_);
    subLayout->addStretch();

    status_ = new QLabel(this);
    status_->setObjectName("LabStato");
    start_ = namedButton("Stampa del sistema", "StampaSistema", this);
    auto* listing = namedButton("Tabulato", "Tabulato", this);
    auto* receipt = namedButton("Cedolina...", "Cedolina", this);
    auto* preview = namedButton("  Anteprima di stampa  ", "Anteprima", this);
    auto* pdf = namedButton("Salva PDF", "SalvaPdf", this);
    auto* close = namedButton("Chiudi", "Chiudi", this);
    connect(start_, &QPushButton::clicked, this, [this] { printSystem(); });
    connect(listing, &QPushButton::clicked, this,
            [this] { this->shell().runCommand("StampaTab"); });
    connect(receipt, &QPushButton::clicked, this,
            [this] { this->shell().runCommand("InposCedolina"); });
    connect(preview, &QPushButton::clicked, this, [this] {
        const SlipPrintSettings s = chosen();
        if (auto refused = tooManySlips(printedColumns(state()), s.perSlip)) {
            Avviso::ask(*refused, this);
            return;
        }
        SlipJob job = slipJobOf(state(), s.mode, s.perSlip);
        job.outline = true;
        showPrintPreview(this, "  Anteprima di stampa  ", slipPainter(state(), job));
    });
    connect(pdf, &QPushButton::clicked, this, [this] {
        const SlipPrintSettings s = chosen();
        if (auto refused = tooManySlips(printedColumns(state()), s.perSlip)) {
            Avviso::ask(*refused, this);
            return;
        }
        offerPdf(*this, qs(state().systemName),
                 [this, job = slipJobOf(state(), s.mode, s.perSlip)](PrintJob* p) {
                     return slipPainter(state(), job, p);
                 });
    });
    connect(close, &QPushButton::clicked, this, [this] { closeWindow(); });

    auto* countRow = new QHBoxLayout;
    countRow->addWidget(new QLabel("N° Schedine", this));
    countRow->addWidget(slips_);
    countRow->addSpacing(20);
    countRow->addWidget(new QLabel("Colonne per schedina", this));
    countRow->addWidget(perSlip_);
    countRow->addStretch();
    auto* buttons = new QHBoxLayout;
    for (auto* b : {start_, listing, receipt, preview, pdf, close})
        buttons->addWidget(b);
    auto* grid = new QGridLayout(this);
    grid->addLayout(countRow, 0, 0, 1, 2);
    grid->addWidget(modeBox, 1, 0);
    grid->addWidget(receiptBox, 1, 1);
    grid->addWidget(subscription, 2, 0, 1, 2);
    grid->addWidget(status_, 3, 0, 1, 2);
    grid->addLayout(buttons, 4, 0, 1, 2);
    showSlipCount();
}

void ImpostaStampa::systemChanged() {
    showSlipCount();
}

SlipPrintSettings ImpostaStampa::chosen() const {
    // The receipt's colours and picture belong to "Anteprima Cedolina:",
    // which may have changed them while this window was open.
    std::optional<Notice> ignored;
    SlipPrintSettings s = readSlipPrintSettings(state().folder, ignored);
    s.perSlip = perSlip_->value();
    s.mode = static_cast<MarkMode>(chosenOption(modes_) + 1);
    s.receipt = static_cast<ReceiptChoice>(chosenOption(receipt_));
    s.subscriptionDraws = draws_->currentIndex() + 1;
    return s;
}

void ImpostaStampa::showSlipCount() {
    slips_->setText(QString::number(slipCount(printedColumns(state()), perSlip_->value())));
}

bool ImpostaStampa::readyToPrint() {
    if (printedColumns(state()) == 0) {
        Avviso::ask(Notice{"File manomesso o inesistente:", {"Sistema inesistente o manomesso."}},
                    this);
        return false;
    }
    const SlipPrintSettings s = chosen();
    if (auto refused = tooManySlips(printedColumns(state()), s.perSlip)) {
        Avviso::ask(*refused, this);
        return false;
    }
    const PrinterChoice printers = printerChoice(state().printSettings.printer);
    if (!printers.confirm)
        return true;
    auto named = [](const std::string& p) { return p.empty() ? std::string("predefinita") : p; };
    Notice confirm{"Stampa Schedine...",
                   {"Stampante Schedine Selezionata    " + named(printers.slips),
                    "Accettarsi che le schedine siano inserite nella stampante nel verso che si e "
                    "selezionato.",
                    "(Orizzontale o Verticale). Premere 'Sì' Per Procedere con la Stampa.:"},
                   kNoticeYesNo};
    if (s.receipt != ReceiptChoice::None) {
        confirm.lines.push_back("Stampante Cedolina Selezionata    " + named(printers.receipts));
        confirm.lines.push_back("Inserire foglio carta 5 Cn. più lungo di una schedina.");
        confirm.lines.push_back(
            "La stampa della cedolina su carta viene effettuata orizzontalmente.");
    }
    return Avviso::ask(confirm, this) == Avviso::Yes;
}

void ImpostaStampa::printSystem() {
    if (!readyToPrint())
        return;
    const SlipPrintSettings s = chosen();
    std::string error;
    if (!writeSlipPrintSettings(state().folder, s, error))
        Avviso::ask(Notice{"Stampa schedine:", {error}}, this);
    start_->setText("Annulla stampa");
    status_->setText("Stampante in corso... " + qs(state().printSettings.printer[0]));
    const bool printed = printPages(
        *this, false, 1, [this, job = slipJobOf(state(), s.mode, s.perSlip)](PrintJob* p) {
            return slipPainter(state(), job, p);
        });
    if (printed && s.receipt != ReceiptChoice::None)
        printPages(*this, true, printerChoice(state().printSettings.printer).receiptCopies,
                   [this, s](PrintJob*) {
                       return receiptPainter(receiptPage(
                           state(), s, s.receipt == ReceiptChoice::Picture, receipts_++));
                   });
    start_->setText("Stampa del sistema");
    status_->clear();
}

} // namespace varnelo

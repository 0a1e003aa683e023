#include "printing/ui/InposCedolina.h"

#include "ui/OptionButtons.h"
#include "printing/ui/PrintOutput.h"
#include "system/ProgramState.h"
#include "ui/Avviso.h"
#include "ui/DialogParts.h"
#include "ui/Text.h"

#include <QColorDialog>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

namespace varnelo {

namespace {

// A5 landscape at 72 dots to the inch, margins included.
constexpr int kPreviewWidth = 595;
constexpr int kPreviewHeight = 420;
constexpr int kPreviewMargin = 28;

QIcon swatch(std::uint32_t rgb) {
    QPixmap p(14, 14);
    p.fill(QColor::fromRgb(static_cast<QRgb>(rgb | 0xFF000000U)));
    return QIcon(p);
}

} // namespace

InposCedolina::InposCedolina(Shell& shell) : ChildWindow(shell, "InposCedolina") {
    setWindowTitle("Anteprima Cedolina:");
    std::optional<Notice> notice;
    settings_ = readSlipPrintSettings(state().folder, notice);
    if (notice)
        Avviso::ask(*notice, this);
    pictures_ = readReceiptPictures(state().folder);

    auto* colours = optionGroup(this, "Colori", "OptColora",
                                {"Scritta Pubblic.",
                                 "Quota Totale:", "Quota Scritta:", "Quota Linea:", "Quota numeri",
                                 "Costo:", "Dati Sistema:", "Dati Ricevitoria:",
                                 "Scritta Personale:", "Casella Numero:", "Numeri"},
                                0, roles_);
    auto* pick = namedButton("Cambia colore...", "Colore", colours);
    colours->layout()->addWidget(pick);
    connect(pick, &QPushButton::clicked, this, [this] { pickColour(); });

    auto* pictureBox = new QGroupBox("Disegno", this);
    theme_ = new QComboBox(pictureBox);
    theme_->setObjectName("ComboTema");
    for (const ReceiptPicture& p : pictures_)
        theme_->addItem(qs(p.theme));
    theme_->setCurrentIndex(settings_.theme);
    auto* rule = optionGroup(pictureBox, QString(), "OptDisegno",
                             {"Disegno sempre uguale.", "Cambia disegno in ogni Cedolina."},
                             settings_.changePicture ? 1 : 0, rule_);
    rule->setFlat(true);
    auto* pictureLayout = new QVBoxLayout(pictureBox);
    pictureLayout->addWidget(theme_);
    pictureLayout->addWidget(rule);

    preview_ = new QLabel(this);
    preview_->setObjectName("Cedolina");
    preview_->setFixedSize(kPreviewWidth, kPreviewHeight);
    preview_->setFrameShape(QFrame::Box);

    auto* printPreview = namedButton("  Anteprima di stampa  ", "Anteprima", this);
    auto* pdf = namedButton("Salva PDF", "SalvaPdf", this);
    auto* close = namedButton("Chiudi", "Chiudi", this);
    connect(printPreview, &QPushButton::clicked, this,
            [this] { showPrintPreview(this, "Anteprima Cedolina:", page()); });
    connect(pdf, &QPushButton::clicked, this,
            [this] { offerPdf(*this, "cedolina", [this](PrintJob*) { return page(); }); });
    connect(close, &QPushButton::clicked, this, [this] { closeWindow(); });
    connect(theme_, &QComboBox::currentIndexChanged, this, [this] { changed(); });
    for (QRadioButton* b : rule_)
        connect(b, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                changed();
        });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (auto* b : {printPreview, pdf, close})
        buttons->addWidget(b);
    auto* grid = new QGridLayout(this);
    grid->addWidget(colours, 0, 0);
    grid->addWidget(pictureBox, 1, 0);
    grid->addWidget(preview_, 0, 1, 2, 1);
    grid->addLayout(buttons, 2, 0, 1, 2);
    changed();
}

void InposCedolina::systemChanged() {
    changed();
}

SlipPrintSettings InposCedolina::chosen() const {
    SlipPrintSettings s = settings_;
    s.theme = std::max(0, theme_->currentIndex());
    s.changePicture = chosenOption(rule_) == 1;
    return s;
}

PagePainter InposCedolina::page() const {
    return receiptPainter(receiptPage(state(), chosen(), true, 0));
}

void InposCedolina::pickColour() {
    const auto role = static_cast<std::size_t>(chosenOption(roles_));
    const QColor now = QColor::fromRgb(static_cast<QRgb>(settings_.receiptColours[role]));
    const QColor colour = QColorDialog::getColor(now, this, roles_[int(role)]->text());
    if (!colour.isValid())
        return;
    settings_.receiptColours[role] = colour.rgb() & 0xFFFFFFU;
    changed();
}

void InposCedolina::changed() {
    for (qsizetype i = 0; i < roles_.size(); ++i)
        roles_[i]->setIcon(swatch(settings_.receiptColours[static_cast<std::size_t>(i)]));
    const SlipPrintSettings s = chosen();
    const ReceiptPage receipt = receiptPage(state(), s, true, 0);
    QImage picture(kPreviewWidth, kPreviewHeight, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        paintReceipt(painter,
                     picture.rect().adjusted(kPreviewMargin, kPreviewMargin, -kPreviewMargin,
                                             -kPreviewMargin),
                     receipt.lines, receipt.colours, receipt.picture);
    }
    preview_->setPixmap(QPixmap::fromImage(picture));
    // The other print settings may have changed in "Stampa schedine:".
    std::optional<Notice> ignored;
    SlipPrintSettings kept = readSlipPrintSettings(state().folder, ignored);
    if (kept.receiptColours == s.receiptColours && kept.theme == s.theme &&
        kept.changePicture == s.changePicture)
        return;
    kept.receiptColours = s.receiptColours;
    kept.theme = s.theme;
    kept.changePicture = s.changePicture;
    std::string error;
    if (!writeSlipPrintSettings(state().folder, kept, error))
        Avviso::ask(Notice{"Anteprima Cedolina:", {error}}, this);
}

} // namespace varnelo

#include "checking/ui/Montepremi.h"

#include "checking/ui/PrizeSheetPage.h"
#include "system/ProgramState.h"
#include "ui/Avviso.h"
#include "ui/DialogParts.h"
#include "ui/Shell.h"
#include "ui/Text.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QVBoxLayout>

namespace varnelo {

namespace {

constexpr int kMaxText = 60;

QString textOf(const QLineEdit* e) {
    return e->text().trimmed();
}

} // namespace

Montepremi::Montepremi(Shell& shell)
    : ChildWindow(shell, "Montepremi"), folder_(shell.state().folder) {
    setWindowTitle("Prospetto Montepremio:");
    auto* motto = new QLabel("Realizzate in questa Ricevitoria!!!", this);
    QFont big = motto->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    big.setBold(true);
    motto->setFont(big);
    motto->setAlignment(Qt::AlignCenter);

    auto* preview = namedButton("Anteprima..", "PulsanteGiu(0)", this);
    preview->setToolTip("Anteprima di stampa del prospetto");
    connect(preview, &QPushButton::clicked, this,
            [this] { showPrintPreview(this, "Anteprima di stampa", prizeSheetPage(sheet())); });
    auto* cancel = namedButton("Annulla", "PulsanteGiu(1)", this);
    cancel->setToolTip("Chiude il prospetto e lo conserva per la prossima volta");
    connect(cancel, &QPushButton::clicked, this, [this] { closeWindow(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(preview);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(motto);
    layout->addWidget(makeShopFrame());
    layout->addWidget(makePrizeFrame());
    layout->addStretch();
    layout->addLayout(buttons);
}

Montepremi::~Montepremi() {
    // The program ends with the window open: the edits are kept all the same.
    if (open_)
        save(true);
}

QWidget* Montepremi::makeShopFrame() {
    auto* frame = new QGroupBox("Punto vendita:", this);
    auto* form = new QFormLayout(frame);
    kind_ = new QComboBox(frame);
    kind_->setObjectName("ComboTipo");
    for (std::string_view k : kShopKinds)
        kind_->addItem(qs(k));
    kind_->setToolTip("Come si presenta il punto vendita sul prospetto");
    connect(kind_, &QComboBox::currentIndexChanged, this, [this] { edited_ = true; });
    const char* captions[] = {nullptr, "Via: ", "Telefono: ", "Data: "};
    for (int i = 0; i < 4; ++i) {
        auto* e = new QLineEdit(frame);
        e->setObjectName(QString("Text1(%1)").arg(i));
        e->setMaxLength(kMaxText);
        e->setMinimumWidth(320);
        connect(e, &QLineEdit::textEdited, this, [this] { edited_ = true; });
        shop_[static_cast<std::size_t>(i)] = e;
        if (i == 0)
            form->addRow(kind_, e);
        else
            form->addRow(captions[i], e);
    }
    shop_[3]->setPlaceholderText("per esempio: Concorso del 14/03/2024");
    return frame;
}

QWidget* Montepremi::makePrizeFrame() {
    auto* frame = new QGroupBox("Vincite:", this);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(new QLabel("Categoria", frame), 0, 0);
    grid->addWidget(new QLabel("N° vincite", frame), 0, 1);
    grid->addWidget(new QLabel("Importo (€)", frame), 0, 2);
    auto* count = new QRegularExpressionValidator(QRegularExpression("\\d{0,7}"), this);
    auto* amount = new QRegularExpressionValidator(QRegularExpression("[\\d.,]{0,16}"), this);
    for (int r = 0; r < kPrizeRows; ++r) {
        auto* label = new QLabel(qs(kPrizeRowLabels[static_cast<std::size_t>(r)]).trimmed(), frame);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        auto* w = new QLineEdit(frame);
        w->setObjectName(QString("TextT(%1)").arg(r + 1));
        w->setValidator(count);
        w->setAlignment(Qt::AlignRight);
        w->setMaximumWidth(110);
        auto* a = new QLineEdit(frame);
        a->setObjectName(QString("TextQ(%1)").arg(r + 1));
        a->setValidator(amount);
        a->setAlignment(Qt::AlignRight);
        a->setPlaceholderText("0,00");
        for (QLineEdit* e : {w, a})
            connect(e, &QLineEdit::textEdited, this, [this] { edited_ = true; });
        wins_[static_cast<std::size_t>(r)] = w;
        amounts_[static_cast<std::size_t>(r)] = a;
        grid->addWidget(label, r + 1, 0);
        grid->addWidget(w, r + 1, 1);
        grid->addWidget(a, r + 1, 2);
    }
    grid->setColumnStretch(2, 1);
    auto* motto = new QLabel("Per Vincere bisogna Giocare!!!", frame);
    motto->setAlignment(Qt::AlignCenter);
    grid->addWidget(motto, kPrizeRows + 1, 0, 1, 3);
    return frame;
}

PrizeSheet Montepremi::sheet() const {
    PrizeSheet s;
    s.shopKind = std::max(0, kind_->currentIndex());
    s.shopName = textOf(shop_[0]).toStdString();
    s.street = textOf(shop_[1]).toStdString();
    s.telephone = textOf(shop_[2]).toStdString();
    s.date = textOf(shop_[3]).toStdString();
    for (std::size_t r = 0; r < kPrizeRows; ++r) {
        s.wins[r] = textOf(wins_[r]).toStdString();
        s.amounts[r] = textOf(amounts_[r]).toStdString();
    }
    return s;
}

void Montepremi::fill(const PrizeSheet& s) {
    kind_->setCurrentIndex(s.shopKind);
    shop_[0]->setText(qs(s.shopName));
    shop_[1]->setText(qs(s.street));
    shop_[2]->setText(qs(s.telephone));
    shop_[3]->setText(qs(s.date));
    for (std::size_t r = 0; r < kPrizeRows; ++r) {
        wins_[r]->setText(qs(s.wins[r]));
        amounts_[r]->setText(qs(s.amounts[r]));
    }
}

// Every opening shows the sheet as the file holds it.
void Montepremi::showEvent(QShowEvent* event) {
    ChildWindow::showEvent(event);
    if (!open_)
        load();
}

void Montepremi::load() {
    open_ = true;
    PrizeSheet s;
    const std::optional<Notice> notice = readPrizeSheet(folder_, s);
    fill(s);
    edited_ = false;
    keepFile_ = notice.has_value();
    if (notice)
        QTimer::singleShot(0, this, [this, n = *notice] { Avviso::ask(n, this); });
}

bool Montepremi::save(bool quietly) {
    if (keepFile_ && !edited_)
        return true;
    std::string error;
    if (writePrizeSheet(folder_, sheet(), error)) {
        keepFile_ = false;
        return true;
    }
    if (!quietly)
        Avviso::ask(Notice{"Prospetto Montepremio:",
                           {"Il prospetto non è stato salvato:", error,
                            "Il file enal/montepremi.txt è rimasto com'era."}},
                    this);
    return false;
}

void Montepremi::closeEvent(QCloseEvent* event) {
    save(false);
    open_ = false;
    ChildWindow::closeEvent(event);
}

} // namespace varnelo

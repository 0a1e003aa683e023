#include "checking/ui/Quote.h"

#include "checking/CostShares.h"
#include "system/ProgramState.h"
#include "ui/DialogParts.h"
#include "ui/Shell.h"
#include "ui/Text.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace varnelo {

namespace {

QString euro(std::int64_t cents) {
    return qs(moneyText(cents)) + " Euro";
}

QLabel* figure(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(150);
    return label;
}

} // namespace

Quote::Quote(Shell& shell) : ChildWindow(shell, "Quote") {
    setWindowTitle("Quote:");
    auto* frame = new QGroupBox("Divisione in quote:", this);
    cost_ = figure(frame, "LabCosto");
    detail_ = new QLabel(frame);
    detail_->setObjectName("LabDettaglio");
    shares_ = new QLineEdit("1", frame);
    shares_->setObjectName("Quotes");
    shares_->setValidator(new QRegularExpressionValidator(QRegularExpression("\\d{0,3}"), this));
    shares_->setAlignment(Qt::AlignRight);
    shares_->setMaximumWidth(60);
    shares_->setToolTip(QString("Da 1 a %1 quote; vuoto vale 1").arg(kMaxShares));
    step_ = new QScrollBar(Qt::Horizontal, frame);
    step_->setObjectName("HScrSequele2");
    step_->setRange(1, kMaxShares);
    step_->setPageStep(10);
    step_->setMinimumWidth(140);
    share_ = figure(frame, "LabQuota");

    auto* grid = new QGridLayout(frame);
    grid->addWidget(new QLabel("Costo del sistema : ", frame), 0, 0);
    grid->addWidget(cost_, 0, 1, 1, 2);
    grid->addWidget(detail_, 1, 0, 1, 3);
    grid->addWidget(new QLabel("Dividi in quote da  = ", frame), 2, 0);
    grid->addWidget(shares_, 2, 1);
    grid->addWidget(step_, 2, 2);
    grid->addWidget(new QLabel("Costo  singole quote: ", frame), 3, 0);
    grid->addWidget(share_, 3, 1, 1, 2);
    grid->setColumnStretch(2, 1);
    grid->setVerticalSpacing(10);

    connect(shares_, &QLineEdit::textEdited, this, [this] { showShare(); });
    connect(shares_, &QLineEdit::returnPressed, this, [this] { apply(); });
    connect(step_, &QScrollBar::valueChanged, this, [this](int n) {
        shares_->setText(QString::number(n));
        showShare();
    });

    auto* ok = namedButton("Calcola", "CommQuote(0)", this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { apply(); });
    auto* cancel = namedButton("Annulla", "CommQuote(1)", this);
    connect(cancel, &QPushButton::clicked, this, [this] { closeWindow(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttonRow({ok, cancel}));
}

void Quote::showEvent(QShowEvent* event) {
    ChildWindow::showEvent(event);
    showCost();
}

void Quote::systemChanged() {
    if (isVisible())
        showCost();
}

void Quote::showCost() {
    const ProgramState& s = state();
    const std::int64_t columns = s.columns.hasColumns ? s.columns.systemTotal : 0;
    const std::int32_t pairs = s.selection.pairCount();
    costCents_ = systemCostCents(columns, pairs, s.settings.columnPrice);
    cost_->setText(euro(costCents_));
    // With three Numeroni or more every column is played once per pair of them.
    const QString pairText = pairs > 1 ? QString(" × %1 coppie di Numeroni").arg(pairs) : QString();
    detail_->setText(
        QString("%1 colonne%2 × %3 Euro a colonna")
            .arg(countText(columns), pairText, italianDecimal(s.settings.columnPrice, 2)));
    showShare();
}

void Quote::showShare() {
    const std::optional<int> n = shareCount(shares_->text().toStdString());
    if (!n) {
        share_->setText(QString("quote da 1 a %1").arg(kMaxShares));
        return;
    }
    const QSignalBlocker quiet(step_);
    step_->setValue(*n);
    share_->setText(euro(shareCostCents(costCents_, *n)));
}

void Quote::apply() {
    if (shares_->text().trimmed().isEmpty())
        shares_->setText("1");
    showShare();
}

} // namespace varnelo

#include "conditions/ui/livellazione.h"

#include "system/ProgramState.h"
#include "ui/Shell.h"
#include "ui/Text.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace varnelo {

livellazione::livellazione(Shell& shell) : ChildWindow(shell, "livellazione", {67, 69}) {
    setWindowTitle("Imposta livelli:");
    grid_ = new QTableWidget(kLevelCount, ColumnCount, this);
    grid_->setObjectName("MSFLivello");
    grid_->setHorizontalHeaderLabels({"Livello", "Max", "Min", "Liv. inser.", "Sistema"});
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(20);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    grid_->setMinimumSize(380, 420);
    connect(grid_, &QTableWidget::itemChanged, this, &livellazione::take);

    auto* hint = new QLabel("Inserire per primo il valore Max, dopo il valore Min.", this);
    auto* rule = new QLabel("Un livello non usato da nessuna condizione attiva non viene "
                            "controllato (\"Sistema\": no).",
                            this);
    rule->setWordWrap(true);
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("ComButt");
    connect(ok, &QPushButton::clicked, this, &livellazione::accept);
    auto* cancel = new QPushButton("Annulla", this);
    cancel->setObjectName("CommAnnulla");
    connect(cancel, &QPushButton::clicked, this, [this] { closeWindow(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(grid_, 1);
    layout->addWidget(rule);
    layout->addLayout(buttons);
}

// Every opening starts from the system's limits and the levels in use now.
void livellazione::showEvent(QShowEvent* event) {
    limits_ = state().levels;
    fill();
    ChildWindow::showEvent(event);
}

void livellazione::fill() {
    filling_ = true;
    const LevelUse use = levelsInUse(state().conditions);
    for (int l = 1; l <= kLevelCount; ++l) {
        const int row = l - 1;
        auto cell = [&](int column, const QString& text, bool editable) {
            auto* item = new QTableWidgetItem(text);
            item->setTextAlignment(Qt::AlignCenter);
            if (!editable)
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            grid_->setItem(row, column, item);
        };
        cell(Level, qs(recoveryLevelName(l)), false);
        cell(Max, QString::number(limits_.max(l)), true);
        cell(Min, QString::number(limits_.min(l)), true);
        cell(Used, QString::number(use[static_cast<std::size_t>(l)]), false);
        cell(Tested, use[static_cast<std::size_t>(l)] > 0 ? "sì" : "no", false);
    }
    filling_ = false;
}

// A typed limit that is not a whole number from 0 up is refused; a Min
// above its Max becomes the Max.
void livellazione::take(QTableWidgetItem* item) {
    if (filling_ || (item->column() != Max && item->column() != Min))
        return;
    const int level = item->row() + 1;
    bool ok = false;
    const int value = item->text().trimmed().toInt(&ok);
    if (ok && value >= 0) {
        if (item->column() == Max)
            limits_.setMax(level, value);
        else
            limits_.setMin(level, value);
    }
    filling_ = true;
    grid_->item(item->row(), Max)->setText(QString::number(limits_.max(level)));
    grid_->item(item->row(), Min)->setText(QString::number(limits_.min(level)));
    filling_ = false;
}

void livellazione::accept() {
    if (!(limits_ == state().levels)) {
        state().levels = limits_;
        state().modified = true;
    }
    closeWindow();
    shell().refresh();
}

void livellazione::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        closeWindow();
        return;
    }
    ChildWindow::keyPressEvent(event);
}

} // namespace varnelo

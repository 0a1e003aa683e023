#include "shell/ui/CondizioniInGioco.h"

#include "conditions/ConditionSet.h"
#include "system/FamiliesInPlay.h"
#include "system/ProgramState.h"
#include "ui/Shell.h"
#include "ui/Text.h"

#include <QApplication>
#include <QCursor>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace varnelo {

CondizioniInGioco::CondizioniInGioco(Shell& shell)
    : ChildWindow(shell, "CondizioniInGioco", {3, 0}) {
    setWindowTitle("Condizioni:");
    list_ = new QTableWidget(kFamilyCount, 1, this);
    list_->setObjectName("MSFCondizioni");
    list_->horizontalHeader()->hide();
    list_->verticalHeader()->hide();
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->verticalHeader()->setDefaultSectionSize(20);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    for (int f = 0; f < kFamilyCount; ++f)
        list_->setItem(f, 0,
                       new QTableWidgetItem(qs(families()[static_cast<std::size_t>(f)].name)));
    // A click lists the family's sub-conditions, a double click opens its
    // editor: the list waits the double-click time before it shows.
    popupDelay_ = new QTimer(this);
    popupDelay_->setSingleShot(true);
    popupDelay_->setInterval(QApplication::doubleClickInterval());
    connect(popupDelay_, &QTimer::timeout, this, [this] { showPopup(pendingRow_); });
    connect(list_, &QTableWidget::cellClicked, this, [this](int row, int) {
        pendingRow_ = row;
        popupDelay_->start();
    });
    connect(list_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        popupDelay_->stop();
        this->shell().openFamily(row);
    });

    auto* modLabel = new QLabel("Condizioni Modificate:", this);
    modified_ = new QLabel(this);
    modified_->setObjectName("LabModificate");
    modified_->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addWidget(modLabel);
    layout->addWidget(modified_);
    setMinimumSize(300, 640);
    refresh();
}

void CondizioniInGioco::refresh() {
    const ProgramState& st = state();
    for (int f = 0; f < kFamilyCount; ++f)
        list_->item(f, 0)->setBackground(familyChecked(st, f) ? QColor(0xC0, 0xFF, 0xC0)
                                                              : QColor(Qt::white));
    QStringList names;
    for (auto n : st.modifiedFamilies.names())
        names << qs(n);
    modified_->setText(" Condizioni modificate dall'ultimo sviluppo effettuato: " +
                       (names.isEmpty() ? QString("nessuna") : names.join(", ")));
}

QList<QPair<int, QString>> CondizioniInGioco::subConditions(int family) const {
    QList<QPair<int, QString>> out;
    for (int slot : families()[static_cast<std::size_t>(family)].activationSlots) {
        const QString name = qs(slotDisplayName(slot)).trimmed();
        const bool on = state().conditions.isActive(slot);
        out.append({slot, name + (on ? " attivata" : " disattivata")});
    }
    return out;
}

void CondizioniInGioco::toggleSlot(int slot) {
    ProgramState& st = state();
    st.conditions.setActive(slot, !st.conditions.isActive(slot));
    st.modifiedFamilies.markSlot(slot);
    st.modified = true;
    shell().refresh();
}

void CondizioniInGioco::showPopup(int family) {
    const auto entries = subConditions(family);
    if (entries.isEmpty())
        return;
    QMenu menu(this);
    for (const auto& [slot, text] : entries) {
        QAction* a = menu.addAction(text);
        connect(a, &QAction::triggered, this, [this, slot = slot] { toggleSlot(slot); });
    }
    menu.exec(QCursor::pos());
}

} // namespace varnelo

#include "ui/RecoveryLevelBox.h"

#include "conditions/ConditionSet.h"
#include "ui/ModelRoles.h"
#include "ui/Text.h"
#include "ui/ValueCellsView.h"
#include "ui/ValueGridModel.h"

#include <QItemSelectionModel>

namespace varnelo {

RecoveryLevelBox::RecoveryLevelBox(ValueCellsView* cells, QWidget* parent)
    : QComboBox(parent), cells_(cells) {
    setObjectName("ComboLivello");
    for (int l = 0; l <= kLevelCount; ++l)
        addItem(qs(recoveryLevelName(l)));
    setToolTip("Livello di recupero della casella rossa scelta, o di tutte le rosse "
               "dell'intervallo segnato");
    connect(this, &QComboBox::activated, this, [this](int l) {
        ValueGridModel* model = cells_->valueModel();
        if (!model)
            return;
        QModelIndexList targets = cells_->selectionModel()->selectedIndexes();
        if (targets.isEmpty())
            targets.append(cells_->currentIndex());
        for (const QModelIndex& at : targets)
            model->setLevel(at, l);
        cells_->viewport()->update();
    });
    connect(cells_, &ValueCellsView::cellsEdited, this, &RecoveryLevelBox::follow);
    follow();
}

void RecoveryLevelBox::follow() {
    const ValueGridModel* model = cells_->valueModel();
    const QModelIndex at = cells_->currentIndex();
    const bool red = model && at.isValid() &&
                     model->data(at, StatusRole).toInt() == static_cast<int>(CellStatus::Recovery);
    setEnabled(red);
    setCurrentIndex(red ? model->data(at, LevelRole).toInt() : 0);
}

void RecoveryLevelBox::askFor(const QModelIndex& at) {
    cells_->setCurrentIndex(at);
    cells_->scrollTo(at);
    follow();
    setFocus();
}

} // namespace varnelo

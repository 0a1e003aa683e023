#include "ui/ValueCellsView.h"

#include "ui/ModelRoles.h"
#include "ui/ValueGridModel.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>

namespace varnelo {

ValueCellsView::ValueCellsView(QWidget* parent) : QTableView(parent) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    // The mark is grey, so that it never reads as "blu".
    setStyleSheet("QTableView { selection-background-color: #b8b8b8; selection-color: black; }");
    verticalHeader()->setDefaultSectionSize(20);
    // Two quick clicks are two clicks: the second turns the cell on once more.
    for (auto signal : {&QTableView::clicked, &QTableView::doubleClicked})
        connect(this, signal, this, [this](const QModelIndex& at) {
            if (!model_)
                return;
            model_->cycle(at);
            clearSelection();
            Q_EMIT cellsEdited();
        });
}

void ValueCellsView::setValueModel(ValueGridModel* model) {
    model_ = model;
    setModel(model);
    if (model)
        connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
                &ValueCellsView::cellsEdited);
}

void ValueCellsView::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool turn = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    const bool clear = key == Qt::Key_Delete || key == Qt::Key_Backspace;
    if (!model_ || !(turn || clear)) {
        QTableView::keyPressEvent(event);
        return;
    }
    const QModelIndex current = currentIndex();
    CellStatus next = CellStatus::NotAdmitted;
    if (turn && !model_->data(current, StatusRole).isValid()) {
        // Not a value cell (the "Stato" column): it turns alone.
        model_->cycle(current);
        clearSelection();
        Q_EMIT cellsEdited();
        return;
    }
    if (turn) {
        // A marked range takes the next state of the current cell, all alike.
        model_->cycle(current);
        next = static_cast<CellStatus>(model_->data(current, StatusRole).toInt());
    } else {
        model_->setStatus(current, next);
    }
    for (const QModelIndex& at : selectionModel()->selectedIndexes())
        model_->setStatus(at, next);
    clearSelection();
    Q_EMIT cellsEdited();
}

} // namespace varnelo

#include "checking/ui/CategoryTable.h"

#include "ui/GridFit.h"
#include "ui/TableModel.h"
#include "ui/Text.h"

#include <QHeaderView>

namespace varnelo {

CategoryTable::CategoryTable(const QString& name, const QStringList& captions, QWidget* parent)
    : QTableView(parent), model_(new TableModel(this)) {
    setObjectName(name);
    model_->setHeaders(QStringList{"Categoria"} + captions);
    setModel(model_);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(20);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFigures({});
}

void CategoryTable::setFigures(const std::vector<Figures>& columns) {
    QList<TableModel::Row> rows;
    for (std::size_t c = 0; c < kCategoryCount; ++c) {
        TableModel::Row row{TableModel::text(qs(categoryLabel(static_cast<int>(c))))};
        for (const Figures& f : columns)
            row << TableModel::integer(f[c]);
        rows << row;
    }
    model_->setRows(rows);
    fitGridToCells(this);
}

} // namespace varnelo

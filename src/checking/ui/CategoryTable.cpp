#include "checking/ui/CategoryTable.h"

#include "ui/Text.h"

#include <QHeaderView>

namespace varnelo {

QStringList categoryHeaders(QStringList before) {
    for (int c = 0; c < kCategoryCount; ++c)
        before << qs(categoryLabel(c));
    return before;
}

TableModel::Cell countCell(std::int64_t n) {
    TableModel::Cell cell = TableModel::integer(n);
    if (n == 0)
        cell.text.clear();
    return cell;
}

CategoryTable::CategoryTable(const QString& name, int lines, QWidget* parent)
    : QTableView(parent), model_(new TableModel(this)) {
    setObjectName(name);
    model_->setHeaders(categoryHeaders({""}));
    setModel(model_);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(22);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFixedHeight(horizontalHeader()->sizeHint().height() + lines * 22 + 2 * frameWidth());
}

void CategoryTable::setLines(const std::vector<Line>& lines) {
    QList<TableModel::Row> rows;
    for (const Line& l : lines) {
        TableModel::Row row{TableModel::text(l.caption)};
        for (const std::int64_t v : l.values)
            row << countCell(v);
        rows << row;
    }
    model_->setRows(rows);
}

} // namespace varnelo

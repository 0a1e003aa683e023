#include "checking/ui/WinsModel.h"

#include "ui/Text.h"

#include <QColor>
#include <QFont>

namespace varnelo {

void WinsModel::setTable(WinsTable table) {
    beginResetModel();
    table_ = std::move(table);
    endResetModel();
}

int WinsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.rows();
}

int WinsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : WinsTable::kColumns;
}

QVariant WinsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const WinsTable::RowKind kind = table_.kind(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return qs(table_.text(index.row(), index.column()));
    case Qt::TextAlignmentRole:
        return index.column() == 0 || index.column() == WinsTable::kColumns - 1
                   ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                   : QVariant(Qt::AlignCenter);
    case Qt::BackgroundRole:
        if (kind == WinsTable::RowKind::Totals)
            return QColor(0xff, 0xf2, 0xa8);
        if (kind == WinsTable::RowKind::Overflow)
            return QColor(0xf4, 0xc7, 0xc3);
        return {};
    case Qt::FontRole:
        if (kind == WinsTable::RowKind::Totals) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default:
        return {};
    }
}

QVariant WinsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return qs(table_.header(section));
}

} // namespace varnelo

#include "ui/ColumnListModel.h"

#include "core/ColumnStore.h"
#include "ui/ModelRoles.h"

#include <QLocale>

#include <algorithm>
#include <cstdint>

namespace varnelo {

ColumnListModel::ColumnListModel(const ColumnStore& store, QObject* parent)
    : QAbstractTableModel(parent), store_(store), rows_(store.storedCount) {}

void ColumnListModel::reload() {
    beginResetModel();
    rows_ = store_.storedCount;
    endResetModel();
}

int ColumnListModel::findRowWith(int number, int fromRow) const {
    if (number < 1 || number > kMaxNumber || fromRow >= rows_)
        return -1;
    const auto n = static_cast<std::uint8_t>(number);
    const std::uint8_t* p[kColumnSize];
    for (int k = 0; k < kColumnSize; ++k)
        p[k] = store_.plane(k + 1);
    for (int i = std::max(fromRow, 0) + 1; i <= rows_; ++i)
        if (p[0][i] == n || p[1][i] == n || p[2][i] == n || p[3][i] == n || p[4][i] == n)
            return i - 1;
    return -1;
}

int ColumnListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int ColumnListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : FieldCount;
}

QVariant ColumnListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_)
        return {};
    const int columnNumber = index.row() + 1;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    if (role != Qt::DisplayRole && role != SortRole)
        return {};
    if (index.column() == Number)
        return role == SortRole ? QVariant(columnNumber)
                                : QVariant(QLocale(QLocale::Italian).toString(columnNumber));
    const int value = store_.plane(index.column())[columnNumber];
    if (role == SortRole)
        return value;
    // Two digits keep the five numbers of every row in line.
    return QString::number(value).rightJustified(2, u'0');
}

QVariant ColumnListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == Number)
        return QStringLiteral("Colonna N°");
    return QStringLiteral("%1°").arg(section);
}

} // namespace varnelo

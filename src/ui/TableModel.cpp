#include "ui/TableModel.h"

#include <QHeaderView>
#include <QTableView>

#include "ui/ModelRoles.h"

#include <QLocale>
#include <QScrollBar>
#include <QSortFilterProxyModel>

namespace varnelo {

namespace {

constexpr Qt::Alignment kNumberAlignment = Qt::AlignRight | Qt::AlignVCenter;

const QLocale& italian() {
    static const QLocale locale(QLocale::Italian);
    return locale;
}

} // namespace

TableModel::Cell TableModel::Cell::withBackground(const QColor& colour) const {
    Cell c = *this;
    c.background = colour;
    return c;
}

TableModel::Cell TableModel::integer(qint64 value) {
    return {italian().toString(value), value, kNumberAlignment, {}};
}

TableModel::Cell TableModel::decimal(double value, int digits) {
    return {italian().toString(value, 'f', digits), value, kNumberAlignment, {}};
}

TableModel::Cell TableModel::percent(double value, int digits) {
    return {italian().toString(value, 'f', digits) + u'%', value, kNumberAlignment, {}};
}

TableModel::Cell TableModel::text(const QString& text) {
    return {text, text, Qt::AlignLeft | Qt::AlignVCenter, {}};
}

TableModel::TableModel(QObject* parent) : QAbstractTableModel(parent) {}

void TableModel::setHeaders(const QStringList& captions) {
    const int oldCount = columnCount();
    if (captions.size() == oldCount) {
        headers_ = captions;
        if (oldCount > 0)
            Q_EMIT headerDataChanged(Qt::Horizontal, 0, oldCount - 1);
        return;
    }
    beginResetModel();
    headers_ = captions;
    endResetModel();
}

void TableModel::setRows(QList<Row> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    rowBackgrounds_ = QList<QColor>(rows_.size());
    endResetModel();
}

void TableModel::setRowBackground(int row, const QColor& colour) {
    if (row < 0 || row >= rows_.size() || columnCount() == 0)
        return;
    rowBackgrounds_[row] = colour;
    Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1), {Qt::BackgroundRole});
}

void TableModel::clear() {
    setRows({});
}

const TableModel::Cell& TableModel::cell(int row, int column) const {
    static const Cell empty;
    if (row < 0 || row >= rows_.size() || column < 0 || column >= rows_[row].size())
        return empty;
    return rows_[row][column];
}

int TableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headers_.size());
}

QVariant TableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const Cell& c = cell(index.row(), index.column());
    switch (role) {
    case Qt::DisplayRole:
        return c.text;
    case SortRole:
        return c.value;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(c.alignment);
    case Qt::BackgroundRole: {
        const QColor& colour = c.background.isValid() ? c.background : rowBackgrounds_[index.row()];
        return colour.isValid() ? QVariant(colour) : QVariant();
    }
    default:
        return {};
    }
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < headers_.size())
        return headers_[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}

QSortFilterProxyModel* makeSortProxy(QAbstractItemModel* source, QObject* parent) {
    auto* proxy = new QSortFilterProxyModel(parent);
    proxy->setSortRole(SortRole);
    proxy->setSortCaseSensitivity(Qt::CaseInsensitive);
    proxy->setSourceModel(source);
    return proxy;
}

QTableView* makeStatisticsView(QAbstractItemModel* source, const QString& name, int sortColumn,
                               QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setObjectName(name);
    view->setModel(makeSortProxy(source, view));
    view->horizontalHeader()->setSortIndicator(sortColumn, Qt::AscendingOrder);
    view->setSortingEnabled(true);
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(20);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    return view;
}

void fitColumnsInSight(QTableView* view) {
    view->resizeColumnsToContents();
    view->setMinimumWidth(view->horizontalHeader()->length() +
                          view->verticalScrollBar()->sizeHint().width() + 2 * view->frameWidth());
}

} // namespace varnelo

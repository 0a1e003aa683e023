#include "reduced/ui/CatalogueModel.h"

#include "ui/ModelRoles.h"
#include "ui/Text.h"

#include <QBrush>

namespace varnelo {

CatalogueModel::CatalogueModel(std::vector<CatalogueEntry> entries, QObject* parent)
    : QAbstractTableModel(parent), entries_(std::move(entries)) {}

void CatalogueModel::setForecast(int n, int fixed) {
    if (n == n_ && fixed == fixed_)
        return;
    n_ = n;
    fixed_ = fixed;
    if (!entries_.empty())
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, FieldCount - 1),
                           {Qt::ForegroundRole});
}

int CatalogueModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

int CatalogueModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : FieldCount;
}

QVariant CatalogueModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const CatalogueEntry& e = entry(index.row());
    if (role == Qt::ToolTipRole)
        return qs(e.code.text());
    if (role == Qt::ForegroundRole)
        return fits(index.row()) ? QBrush(QColor(0xc0, 0, 0)) : QVariant();
    if (role == Qt::TextAlignmentRole)
        return index.column() == Guarantee || index.column() == Kind || index.column() == Code
                   ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                   : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != SortRole)
        return {};
    switch (index.column()) {
    case Numbers:
        return e.code.n;
    case Fixed:
        return e.code.fixed;
    case Guarantee:
        return qs(e.guarantee).trimmed();
    case Points:
        return e.code.g;
    case Rows:
        return role == SortRole ? QVariant(static_cast<qulonglong>(e.rows))
                                : QVariant(countText(static_cast<qint64>(e.rows)));
    case Kind:
        return QString(e.kind());
    case Code:
        return qs(e.code.text());
    }
    return {};
}

QVariant CatalogueModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* heads[FieldCount] = {
        "Numeri In Gioco", "Fisse", "Vincite Garantite", "Punti", "N° Colonne", "Tipo", "Codice"};
    return QString(heads[section]);
}

CatalogueFilter::CatalogueFilter(CatalogueModel* source, QObject* parent)
    : QSortFilterProxyModel(parent), source_(source) {
    setSourceModel(source);
    setSortRole(SortRole);
}

void CatalogueFilter::setNumbers(int n) {
    numbers_ = n;
    changed();
}

void CatalogueFilter::setFixed(int fixed) {
    fixed_ = fixed;
    changed();
}

void CatalogueFilter::setGuarantee(const QString& guarantee) {
    guarantee_ = guarantee;
    changed();
}

void CatalogueFilter::setOnlyFitting(bool on) {
    onlyFitting_ = on;
    changed();
}

void CatalogueFilter::changed() {
    invalidateFilter();
}

bool CatalogueFilter::filterAcceptsRow(int row, const QModelIndex&) const {
    const CatalogueEntry& e = source_->entry(row);
    if (onlyFitting_ && !source_->fits(row))
        return false;
    if (numbers_ >= 0 && e.code.n != numbers_)
        return false;
    if (fixed_ >= 0 && e.code.fixed != fixed_)
        return false;
    return guarantee_.isEmpty() || qs(e.guarantee).trimmed() == guarantee_;
}

} // namespace varnelo

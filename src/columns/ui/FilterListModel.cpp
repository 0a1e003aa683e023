#include "columns/ui/FilterListModel.h"

#include "columns/FilterEdits.h"
#include "columns/FilterSources.h"
#include "columns/ui/FilterListDraft.h"
#include "ui/ModelRoles.h"
#include "ui/Text.h"

#include <bit>

namespace varnelo {

namespace {

int lowest(std::uint8_t bits) {
    return std::countr_zero(bits);
}
int highest(std::uint8_t bits) {
    return 7 - std::countl_zero(bits);
}

} // namespace

FilterListModel::FilterListModel(FilterListDraft& draft, QObject* parent)
    : QAbstractTableModel(parent), draft_(draft) {
    // A change made elsewhere (a companion, an import) reloads the rows;
    // the model's own edits announce just their cells.
    connect(&draft_, &FilterListDraft::listChanged, this, [this] {
        if (ownChange_)
            return;
        beginResetModel();
        endResetModel();
    });
}

int FilterListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(draft_.size()) + 1;
}

int FilterListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : FieldCount;
}

QVariant FilterListModel::data(const QModelIndex& index, int role) const {
    const auto row = static_cast<std::size_t>(index.row());
    if (!index.isValid() || row >= draft_.size())
        return {};
    const ListColumn& c = draft_.list().columns[row];
    if (role == Qt::TextAlignmentRole)
        return index.column() == Numbers ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                         : QVariant(Qt::AlignCenter);
    if (role != Qt::DisplayRole && role != Qt::EditRole && role != SortRole)
        return {};
    switch (index.column()) {
    case Numbers:
        return qs(filterNumbersText(c.numbers));
    case Count:
        return static_cast<int>(c.numbers.size());
    case Minimum:
        return c.hits ? QVariant(lowest(c.hits)) : QVariant(QString());
    case Maximum:
        return c.hits ? QVariant(highest(c.hits)) : QVariant(QString());
    case Hits:
        return qs(countsText(c.hits));
    case Consecutive:
        return c.consecutive ? qs(countsText(c.consecutive)) : QString("liberi");
    default:
        return {};
    }
}

QVariant FilterListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return static_cast<std::size_t>(section) < draft_.size() ? QVariant(section + 1)
                                                                 : QVariant("*");
    static const char* captions[FieldCount] = {"Colonna filtro", "Numeri", "Minimo",
                                               "Massimo",        "Punti",  "Consecutivi"};
    return section >= 0 && section < FieldCount ? QString(captions[section]) : QVariant();
}

Qt::ItemFlags FilterListModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return {};
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const bool newRow = static_cast<std::size_t>(index.row()) >= draft_.size();
    if (index.column() == Numbers ||
        (!newRow && (index.column() == Minimum || index.column() == Maximum)))
        f |= Qt::ItemIsEditable;
    return f;
}

bool FilterListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    if (index.column() == Numbers)
        return setNumbers(index.row(), value.toString());
    if (index.column() == Minimum || index.column() == Maximum)
        return setBound(index.row(), static_cast<Field>(index.column()), value.toString());
    return false;
}

bool FilterListModel::setNumbers(int row, const QString& text) {
    ListColumn typed;
    if (!parseFilterNumbers(text.toStdString(), typed.numbers)) {
        Q_EMIT refused({"Avviso:", {"Numero non valido: " + text.toStdString()}});
        return false;
    }
    const auto at = static_cast<std::size_t>(row);
    ownChange_ = true;
    if (at < draft_.size()) {
        draft_.list().columns[at].numbers = typed.numbers;
        Q_EMIT dataChanged(index(row, 0), index(row, FieldCount - 1));
    } else if (!typed.numbers.empty()) {
        // A new filter column admits every count until its hits are set.
        typed.hits = 0x3F;
        FilterList grown = draft_.list();
        if (auto n = addFilterColumns(grown, {typed})) {
            ownChange_ = false;
            Q_EMIT refused(*n);
            return false;
        }
        beginInsertRows({}, row + 1, row + 1);
        draft_.list().columns.push_back(typed);
        endInsertRows();
        Q_EMIT dataChanged(index(row, 0), index(row, FieldCount - 1));
        Q_EMIT headerDataChanged(Qt::Vertical, row, row + 1);
    }
    draft_.changed();
    ownChange_ = false;
    return true;
}

bool FilterListModel::setBound(int row, Field field, const QString& text) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    const auto at = static_cast<std::size_t>(row);
    if (!ok || v < 0 || v > 5 || at >= draft_.size())
        return false;
    const std::uint8_t bits = draft_.list().columns[at].hits;
    const int lo = field == Minimum ? v : (bits ? lowest(bits) : 0);
    const int hi = field == Maximum ? v : (bits ? highest(bits) : 5);
    if (auto n =
            setAdmittedHits(draft_.list(), at + 1, at + 1, lo, hi, std::nullopt, std::nullopt)) {
        Q_EMIT refused(*n);
        return false;
    }
    ownChange_ = true;
    Q_EMIT dataChanged(index(row, 0), index(row, FieldCount - 1));
    draft_.changed();
    ownChange_ = false;
    return true;
}

} // namespace varnelo

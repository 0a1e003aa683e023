#include "ui/ValueGridModel.h"

#include "conditions/SlotEditor.h"
#include "ui/ModelRoles.h"

#include <algorithm>

namespace varnelo {

namespace {

QString levelName(int level) {
    const std::string_view name = recoveryLevelName(level);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

ValueGridModel::ValueGridModel(SlotEditor& editor, Qt::Orientation valuesAlong, QObject* parent)
    : QAbstractTableModel(parent), editor_(editor), valuesAlong_(valuesAlong) {
    showSlots(editor.slots());
}

void ValueGridModel::showSlots(std::vector<int> slots) {
    ValueRange values{0, -1};
    bool first = true;
    for (const int s : slots) {
        if (!editor_.edits(s))
            continue;
        const ValueRange r = slotValueRange(s);
        values.min = first ? r.min : std::min(values.min, r.min);
        values.max = first ? r.max : std::max(values.max, r.max);
        first = false;
    }
    showSlots(std::move(slots), values);
}

void ValueGridModel::showSlots(std::vector<int> slots, ValueRange values) {
    beginResetModel();
    slots_.clear();
    for (const int s : slots)
        if (editor_.edits(s))
            slots_.push_back(s);
    values_ = values.max >= values.min && !slots_.empty() ? values : ValueRange{0, -1};
    captions_.clear();
    takeShown();
    endResetModel();
}

void ValueGridModel::setStateColumn(bool on) {
    beginResetModel();
    stateColumn_ = on && valuesAlong_ == Qt::Horizontal;
    endResetModel();
}

int ValueGridModel::stateLine(const QModelIndex& index) const {
    if (!stateColumn_ || !index.isValid() || index.model() != this ||
        index.column() != values_.max - values_.min + 1 ||
        index.row() >= static_cast<int>(slots_.size()))
        return -1;
    return index.row();
}

void ValueGridModel::setSlotCaptions(const QStringList& captions) {
    captions_ = captions;
    const Qt::Orientation slotAxis = valuesAlong_ == Qt::Horizontal ? Qt::Vertical : Qt::Horizontal;
    if (!slots_.empty())
        Q_EMIT headerDataChanged(slotAxis, 0, static_cast<int>(slots_.size()) - 1);
}

ValueGridModel::Place ValueGridModel::placeOf(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this)
        return {};
    const bool across = valuesAlong_ == Qt::Horizontal;
    return {across ? index.row() : index.column(),
            values_.min + (across ? index.column() : index.row())};
}

bool ValueGridModel::inRow(const Place& p) const {
    if (p.slotIndex < 0 || p.slotIndex >= static_cast<int>(slots_.size()))
        return false;
    const ValueRange r = slotValueRange(slots_[static_cast<std::size_t>(p.slotIndex)]);
    return p.value >= r.min && p.value <= r.max;
}

QModelIndex ValueGridModel::indexAt(int slotIndex, int value) const {
    const int v = value - values_.min;
    return valuesAlong_ == Qt::Horizontal ? index(slotIndex, v) : index(v, slotIndex);
}

ValueCell ValueGridModel::cellAt(const Place& p) const {
    return editor_.cell(slots_[static_cast<std::size_t>(p.slotIndex)], p.value);
}

int ValueGridModel::slotAt(const QModelIndex& index) const {
    const Place p = placeOf(index);
    return p.slotIndex < 0 ? 0 : slots_[static_cast<std::size_t>(p.slotIndex)];
}

int ValueGridModel::valueAt(const QModelIndex& index) const {
    return placeOf(index).value;
}

QModelIndex ValueGridModel::indexOf(int slot, int value) const {
    const auto it = std::find(slots_.begin(), slots_.end(), slot);
    if (it == slots_.end() || value < values_.min || value > values_.max)
        return {};
    return indexAt(static_cast<int>(it - slots_.begin()), value);
}

void ValueGridModel::takeShown() {
    const int width = values_.max - values_.min + 1;
    shown_.assign(slots_.size() * static_cast<std::size_t>(width), ValueCell{});
    for (std::size_t i = 0; i < slots_.size(); ++i)
        for (int v = values_.min; v <= values_.max; ++v)
            shown_[i * static_cast<std::size_t>(width) +
                   static_cast<std::size_t>(v - values_.min)] = editor_.cell(slots_[i], v);
}

void ValueGridModel::write(const QModelIndex& index, ValueCell c) {
    const Place p = placeOf(index);
    editor_.setCell(slots_[static_cast<std::size_t>(p.slotIndex)], p.value, c);
    refresh();
}

void ValueGridModel::cycle(const QModelIndex& index) {
    if (const int line = stateLine(index); line >= 0) {
        const int slot = slots_[static_cast<std::size_t>(line)];
        editor_.setBox(slot, !editor_.box(slot));
        Q_EMIT dataChanged(index, index);
        return;
    }
    const Place p = placeOf(index);
    if (!inRow(p))
        return;
    ValueCell c = cellAt(p);
    c.status = static_cast<CellStatus>((static_cast<int>(c.status) + 1) % 3);
    write(index, c);
}

bool ValueGridModel::setStatus(const QModelIndex& index, CellStatus status) {
    const Place p = placeOf(index);
    if (!inRow(p))
        return false;
    ValueCell c = cellAt(p);
    c.status = status;
    write(index, c);
    return true;
}

bool ValueGridModel::setLevel(const QModelIndex& index, int level) {
    const Place p = placeOf(index);
    if (!inRow(p) || level < 0 || level > kLevelCount)
        return false;
    ValueCell c = cellAt(p);
    if (c.status != CellStatus::Recovery)
        return false;
    c.level = static_cast<std::uint8_t>(level);
    write(index, c);
    return true;
}

void ValueGridModel::refresh() {
    const int width = values_.max - values_.min + 1;
    int firstRow = rowCount(), lastRow = -1, firstColumn = columnCount(), lastColumn = -1;
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        for (int v = values_.min; v <= values_.max; ++v) {
            ValueCell& was = shown_[i * static_cast<std::size_t>(width) +
                                    static_cast<std::size_t>(v - values_.min)];
            const ValueCell now = editor_.cell(slots_[i], v);
            if (now == was)
                continue;
            was = now;
            const QModelIndex at = indexAt(static_cast<int>(i), v);
            firstRow = std::min(firstRow, at.row());
            lastRow = std::max(lastRow, at.row());
            firstColumn = std::min(firstColumn, at.column());
            lastColumn = std::max(lastColumn, at.column());
        }
    }
    if (lastRow >= 0)
        Q_EMIT dataChanged(index(firstRow, firstColumn), index(lastRow, lastColumn));
}

QColor ValueGridModel::statusColour(CellStatus status) {
    switch (status) {
    case CellStatus::Admitted:
        return QColor(0x1e, 0x5a, 0xd2);
    case CellStatus::Recovery:
        return QColor(0xd0, 0x24, 0x24);
    case CellStatus::NotAdmitted:
        break;
    }
    return QColor(Qt::white);
}

int ValueGridModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    return valuesAlong_ == Qt::Horizontal ? static_cast<int>(slots_.size())
                                          : values_.max - values_.min + 1;
}

int ValueGridModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    return valuesAlong_ == Qt::Horizontal ? values_.max - values_.min + 1 + (stateColumn_ ? 1 : 0)
                                          : static_cast<int>(slots_.size());
}

QVariant ValueGridModel::data(const QModelIndex& index, int role) const {
    if (const int line = stateLine(index); line >= 0) {
        const bool on = editor_.box(slots_[static_cast<std::size_t>(line)]);
        switch (role) {
        case Qt::DisplayRole:
            return on ? QStringLiteral("Attivo") : QStringLiteral("Disattivo");
        case Qt::BackgroundRole:
            return on ? QColor(0xc0, 0xff, 0xc0) : QColor(Qt::white);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
        default:
            return {};
        }
    }
    const Place p = placeOf(index);
    if (!inRow(p))
        return {};
    const ValueCell c = cellAt(p);
    switch (role) {
    case Qt::DisplayRole:
        return c.status == CellStatus::Recovery
                   ? QStringLiteral("%1 %2").arg(p.value).arg(levelName(c.level))
                   : QString::number(p.value);
    case Qt::EditRole:
    case StatusRole:
        return static_cast<int>(c.status);
    case LevelRole:
        return static_cast<int>(c.level);
    case SortRole:
        return p.value;
    case Qt::BackgroundRole:
        return statusColour(c.status);
    case Qt::ForegroundRole:
        return QColor(c.status == CellStatus::NotAdmitted ? Qt::black : Qt::white);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    default:
        return {};
    }
}

bool ValueGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    bool ok = false;
    const int n = value.toInt(&ok);
    if (!ok || n < 0)
        return false;
    if (role == Qt::EditRole || role == StatusRole)
        return n <= static_cast<int>(CellStatus::Recovery) &&
               setStatus(index, static_cast<CellStatus>(n));
    if (role == LevelRole)
        return setLevel(index, n);
    return false;
}

Qt::ItemFlags ValueGridModel::flags(const QModelIndex& index) const {
    if (stateLine(index) >= 0)
        return Qt::ItemIsEnabled;
    if (!inRow(placeOf(index)))
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

QVariant ValueGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || section < 0)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == valuesAlong_)
        return section > values_.max - values_.min ? QVariant("Stato")
                                                   : QVariant(values_.min + section);
    if (section >= static_cast<int>(slots_.size()))
        return {};
    if (section < captions_.size())
        return captions_[section];
    const int slot = slots_[static_cast<std::size_t>(section)];
    const std::string_view name = slotDisplayName(slot);
    return name.empty() ? QString::number(slot)
                        : QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace varnelo

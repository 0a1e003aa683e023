#pragma once

#include "core/Notice.h"

#include <QAbstractTableModel>

namespace varnelo {

class FilterListDraft;

// `MSFGrande`: one row per filter column of the draft, read on demand, and
// a last empty row where a new filter column is typed. The numbers, "Minimo"
// and "Massimo" are edited in place.
class FilterListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Field { Numbers, Count, Minimum, Maximum, Hits, Consecutive, FieldCount };

    explicit FilterListModel(FilterListDraft& draft, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

  Q_SIGNALS:
    // An edit the list refused; the window shows the notice.
    void refused(const Notice& notice);

  private:
    bool setNumbers(int row, const QString& text);
    bool setBound(int row, Field field, const QString& text);

    FilterListDraft& draft_;
    bool ownChange_ = false;
};

} // namespace varnelo

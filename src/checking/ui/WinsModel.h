#pragma once

#include "checking/WinsTable.h"

#include <QAbstractTableModel>

namespace varnelo {

// The wins grid `MSFVincite` as a view reads it: the texts come from the
// table row by row when shown, so ten thousand rows cost nothing to fill.
class WinsModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;

    void setTable(WinsTable table);
    const WinsTable& table() const { return table_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    WinsTable table_;
};

} // namespace varnelo

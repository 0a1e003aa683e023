#pragma once

#include <QAbstractTableModel>

namespace varnelo {

class ColumnStore;

// The developed columns, one per row, read from the store on demand: no copy,
// so the full table of 2,120,000 columns scrolls at once.
class ColumnListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Field { Number, Position1, Position2, Position3, Position4, Position5, FieldCount };

    explicit ColumnListModel(const ColumnStore& store, QObject* parent = nullptr);

    // The row count is taken here and by reload(), never in between, so a store
    // filled by a worker does not change the rows under the view.
    void reload();

    // Row of column number n is n - 1.
    static int rowOfColumn(int columnNumber) { return columnNumber - 1; }
    // The first row at or after fromRow whose column holds the number, or -1.
    int findRowWith(int number, int fromRow) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    const ColumnStore& store_;
    int rows_ = 0;
};

} // namespace varnelo

#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QList>
#include <QStringList>
#include <QVariant>

class QSortFilterProxyModel;
class QTableView;

namespace varnelo {

// A read-only statistics table: captions, then rows of cells that carry the
// text a player reads and the raw value views sort on (SortRole).
class TableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    struct Cell {
        QString text;
        QVariant value;
        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
        QColor background; // invalid: the row's colour, if any

        Cell withBackground(const QColor& colour) const;
    };
    using Row = QList<Cell>;

    // Italian formats: "1.906.884", "12,50", "12,50%".
    static Cell integer(qint64 value);
    static Cell decimal(double value, int digits = 2);
    static Cell percent(double value, int digits = 2);
    static Cell text(const QString& text);

    explicit TableModel(QObject* parent = nullptr);

    void setHeaders(const QStringList& captions);
    // Replaces every row in one reset; short rows read as empty cells.
    void setRows(QList<Row> rows);
    void setRowBackground(int row, const QColor& colour);
    void clear();

    const Cell& cell(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    QStringList headers_;
    QList<Row> rows_;
    QList<QColor> rowBackgrounds_;
};

// A proxy that sorts the source on SortRole, text without regard to case.
QSortFilterProxyModel* makeSortProxy(QAbstractItemModel* source, QObject* parent);

// A read-only statistics table on `source`: rows selected whole, columns as
// wide as their figures, a click on a heading sorts on the raw values.
// `sortColumn` -1 keeps the source's order until the player sorts.
QTableView* makeStatisticsView(QAbstractItemModel* source, const QString& name, int sortColumn,
                               QWidget* parent);
// Columns as wide as their figures and the view wide enough to show them all
// beside its vertical scroll bar.
void fitColumnsInSight(QTableView* view);

} // namespace varnelo

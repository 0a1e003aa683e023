#pragma once

#include "reduced/CatalogueEntries.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

#include <vector>

namespace varnelo {

// The catalogue's tables, one per row; the tables that fit the player's
// numbers read in red.
class CatalogueModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Field { Numbers, Fixed, Guarantee, Points, Rows, Kind, Code, FieldCount };

    CatalogueModel(std::vector<CatalogueEntry> entries, QObject* parent);

    const CatalogueEntry& entry(int row) const { return entries_[static_cast<std::size_t>(row)]; }
    // The numbers of the forecast: N free and F fixed.
    void setForecast(int n, int fixed);
    bool fits(int row) const { return entry(row).fits(n_, fixed_); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    std::vector<CatalogueEntry> entries_;
    int n_ = 0;
    int fixed_ = 0;
};

// Shows the rows of the numbers, fixed numbers and guarantee asked for
// (-1 or an empty guarantee: any), or only the fitting ones.
class CatalogueFilter : public QSortFilterProxyModel {
    Q_OBJECT
  public:
    CatalogueFilter(CatalogueModel* source, QObject* parent);

    void setNumbers(int n);
    void setFixed(int fixed);
    void setGuarantee(const QString& guarantee);
    void setOnlyFitting(bool on);

  protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

  private:
    void changed();

    CatalogueModel* source_;
    int numbers_ = -1;
    int fixed_ = -1;
    QString guarantee_;
    bool onlyFitting_ = false;
};

} // namespace varnelo

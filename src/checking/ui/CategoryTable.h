#pragma once

#include "checking/PrizeCategories.h"

#include <QStringList>
#include <QTableView>

#include <array>
#include <cstdint>
#include <vector>

namespace varnelo {

class TableModel;

// Figures of the twelve prize categories side by side: a line per category
// "0" .. "5+1", a column per figure, each count whole; the table is as large
// as its cells, so no figure is ever cut.
class CategoryTable : public QTableView {
    Q_OBJECT
  public:
    using Figures = std::array<std::int64_t, kCategoryCount>;

    CategoryTable(const QString& name, const QStringList& captions, QWidget* parent);
    void setFigures(const std::vector<Figures>& columns);

  private:
    TableModel* model_ = nullptr;
};

} // namespace varnelo

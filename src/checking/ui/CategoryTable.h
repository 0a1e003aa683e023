#pragma once

#include "checking/PrizeCategories.h"

#include <QTableView>

#include <array>
#include <cstdint>
#include <vector>

#include "ui/TableModel.h"

namespace varnelo {

// The captions before the categories, then "0" .. "5+1".
QStringList categoryHeaders(QStringList before);
// A count that leaves zero blank: the few wins read at a glance.
TableModel::Cell countCell(std::int64_t n);

// A few figures per prize category, one line each: a caption, then the
// columns "0" .. "5+1".
class CategoryTable : public QTableView {
    Q_OBJECT
  public:
    struct Line {
        QString caption;
        std::array<std::int64_t, kCategoryCount> values{};
    };

    CategoryTable(const QString& name, int lines, QWidget* parent);
    void setLines(const std::vector<Line>& lines);

  private:
    TableModel* model_ = nullptr;
};

} // namespace varnelo

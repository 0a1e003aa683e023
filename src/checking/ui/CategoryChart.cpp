#include "checking/ui/CategoryChart.h"

#include "ui/BarChart.h"
#include "ui/Text.h"

namespace varnelo {

void showCategoryBars(QChartView* view, const QString& title, const WinTally& tally) {
    QStringList categories;
    QList<double> columns;
    for (std::size_t c = 0; c < kCategoryCount; ++c) {
        categories << qs(categoryLabel(static_cast<int>(c)));
        columns << static_cast<double>(tally.columns[c]);
    }
    setBars(view, title, categories, columns, "Colonne");
    showBarValues(view);
}

} // namespace varnelo

#pragma once

#include "checking/PrizeCategories.h"

#include <QString>

class QChartView;

namespace varnelo {

// The bar chart of the twelve categories: a bar per category as tall as the
// columns that reached it, its count on top.
void showCategoryBars(QChartView* view, const QString& title, const WinTally& tally);

} // namespace varnelo

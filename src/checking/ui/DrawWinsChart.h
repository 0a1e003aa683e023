#pragma once

#include "checking/ArchiveComparison.h"

class QChartView;
class QWidget;

namespace varnelo {

// Wins over time: a point per draw at its date and the best category the
// system reached on it, so the draws that paid well stand out.
QChartView* makeDrawWinsChart(QWidget* parent);
void showDrawWins(QChartView* view, const ArchiveComparison& comparison);

} // namespace varnelo

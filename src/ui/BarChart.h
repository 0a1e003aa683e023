#pragma once

#include <QList>
#include <QStringList>

class QChartView;
class QWidget;

namespace varnelo {

// A bar chart of one series over named categories, for statistics that read
// better as bars than as figures. `setBars` replaces the bars; the value
// axis reaches `ceiling` when it is given (100 for shares), else a round
// value above the highest bar.
QChartView* makeBarChart(const QString& name, QWidget* parent);
void setBars(QChartView* view, const QString& title, const QStringList& categories,
             const QList<double>& values, const QString& valueTitle, double ceiling = 0);
// Writes each bar's value on top of it, the axis raised so that the highest
// one stays in sight: a bar too short to see still shows its count.
void showBarValues(QChartView* view);

} // namespace varnelo

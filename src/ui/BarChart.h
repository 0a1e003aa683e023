#pragma once

#include <QColor>
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
// Writes each bar's value over it, upright when the bars are too narrow for
// the figures, and raises the value axis to leave them room: a bar too short
// to see still shows its count.
void showBarValues(QChartView* view);

// One part of stacked bars: its name in the legend and its value per category.
struct BarPart {
    QString name;
    QColor colour;
    QList<double> values;
};
// Bars made of parts stacked in the order given, with the legend below and
// the categories' axis titled `categoryTitle`.
void setStackedBars(QChartView* view, const QString& title, const QStringList& categories,
                    const QString& categoryTitle, const QList<BarPart>& parts,
                    const QString& valueTitle, double ceiling = 0);
// The same parts side by side in each category, for figures that do not add up.
void setGroupedBars(QChartView* view, const QString& title, const QStringList& categories,
                    const QString& categoryTitle, const QList<BarPart>& parts,
                    const QString& valueTitle, double ceiling = 0);

} // namespace varnelo

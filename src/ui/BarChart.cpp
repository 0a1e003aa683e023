#include "ui/BarChart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QValueAxis>

#include <algorithm>

namespace varnelo {

QChartView* makeBarChart(const QString& name, QWidget* parent) {
    auto* view = new QChartView(new QChart, parent);
    view->setObjectName(name);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(360, 260);
    view->chart()->legend()->hide();
    view->chart()->setMargins(QMargins(4, 4, 4, 4));
    return view;
}

void setBars(QChartView* view, const QString& title, const QStringList& categories,
             const QList<double>& values, const QString& valueTitle, double ceiling) {
    QChart* chart = view->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes())
        chart->removeAxis(axis);
    chart->setTitle(title);
    auto* set = new QBarSet(valueTitle);
    set->setColor(QColor(0x3a, 0x6e, 0xa5));
    for (double v : values)
        *set << v;
    auto* series = new QBarSeries;
    series->append(set);
    series->setBarWidth(0.8);
    chart->addSeries(series);
    auto* x = new QBarCategoryAxis;
    x->append(categories);
    // Many categories: the labels turn, so that none covers its neighbour,
    // and stay whole.
    x->setLabelsAngle(categories.size() > 30 ? -90 : 0);
    x->setTruncateLabels(false);
    QFont small = x->labelsFont();
    small.setPointSizeF(std::max(6.0, small.pointSizeF() - 2));
    x->setLabelsFont(small);
    chart->addAxis(x, Qt::AlignBottom);
    series->attachAxis(x);
    auto* y = new QValueAxis;
    const double top = values.isEmpty() ? 1.0 : *std::max_element(values.begin(), values.end());
    y->setRange(0, ceiling > 0 ? ceiling : std::max(1.0, top));
    if (ceiling <= 0)
        y->applyNiceNumbers();
    y->setLabelFormat("%.0f");
    y->setTitleText(valueTitle);
    y->setLabelsFont(small);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(y);
}

} // namespace varnelo

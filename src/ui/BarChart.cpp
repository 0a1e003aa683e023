#include "ui/BarChart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QEvent>
#include <QFontMetrics>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>

namespace varnelo {

namespace {

const char* kLabelsWidth = "labelsWidth";

// Labels that would not fit side by side turn, so that none covers its
// neighbour, and stay whole; the choice follows the chart's width.
void turnLabels(QChartView* view) {
    const int wanted = view->property(kLabelsWidth).toInt();
    for (QAbstractAxis* axis : view->chart()->axes(Qt::Horizontal))
        axis->setLabelsAngle(wanted > view->width() - 90 ? -90 : 0);
}

class LabelTurner : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize)
            turnLabels(static_cast<QChartView*>(watched));
        return false;
    }
};

} // namespace

QChartView* makeBarChart(const QString& name, QWidget* parent) {
    auto* view = new QChartView(new QChart, parent);
    view->setObjectName(name);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(360, 260);
    view->chart()->legend()->hide();
    // Room at the sides keeps the first and last turned labels in sight.
    view->chart()->setMargins(QMargins(14, 4, 14, 4));
    view->installEventFilter(new LabelTurner(view));
    return view;
}

namespace {

void clearChart(QChart* chart, const QString& title) {
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes())
        chart->removeAxis(axis);
    chart->setTitle(title);
}

// The category axis below and the value axis on the left, up to `top` or
// to `ceiling` when it is given.
void attachAxes(QChartView* view, QAbstractBarSeries* series, const QStringList& categories,
                const QString& valueTitle, double top, double ceiling) {
    QChart* chart = view->chart();
    auto* x = new QBarCategoryAxis;
    x->append(categories);
    QFont small = x->labelsFont();
    small.setPointSizeF(std::max(6.0, small.pointSizeF() - 2));
    x->setLabelsFont(small);
    const QFontMetrics metrics(small);
    int wanted = 0;
    for (const QString& c : categories)
        wanted += metrics.horizontalAdvance(c) + 8;
    view->setProperty(kLabelsWidth, wanted);
    x->setTruncateLabels(false);
    chart->addAxis(x, Qt::AlignBottom);
    series->attachAxis(x);
    turnLabels(view);
    auto* y = new QValueAxis;
    y->setRange(0, ceiling > 0 ? ceiling : std::max(1.0, top));
    if (ceiling <= 0)
        y->applyNiceNumbers();
    y->setLabelFormat("%.0f");
    y->setTitleText(valueTitle);
    y->setLabelsFont(small);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(y);
}

} // namespace

void setBars(QChartView* view, const QString& title, const QStringList& categories,
             const QList<double>& values, const QString& valueTitle, double ceiling) {
    QChart* chart = view->chart();
    clearChart(chart, title);
    auto* set = new QBarSet(valueTitle);
    set->setColor(QColor(0x3a, 0x6e, 0xa5));
    for (double v : values)
        *set << v;
    auto* series = new QBarSeries;
    series->append(set);
    series->setBarWidth(0.8);
    chart->addSeries(series);
    const double top = values.isEmpty() ? 1.0 : *std::max_element(values.begin(), values.end());
    attachAxes(view, series, categories, valueTitle, top, ceiling);
}

void setStackedBars(QChartView* view, const QString& title, const QStringList& categories,
                    const QString& categoryTitle, const QList<BarPart>& parts,
                    const QString& valueTitle, double ceiling) {
    QChart* chart = view->chart();
    clearChart(chart, title);
    auto* series = new QStackedBarSeries;
    QList<double> totals(categories.size(), 0.0);
    for (const BarPart& part : parts) {
        auto* set = new QBarSet(part.name);
        set->setColor(part.colour);
        set->setBorderColor(part.colour.darker(130));
        for (qsizetype i = 0; i < part.values.size(); ++i) {
            *set << part.values[i];
            if (i < totals.size())
                totals[i] += part.values[i];
        }
        series->append(set);
    }
    series->setBarWidth(0.6);
    chart->addSeries(series);
    const double top = totals.isEmpty() ? 1.0 : *std::max_element(totals.begin(), totals.end());
    attachAxes(view, series, categories, valueTitle, top, ceiling);
    chart->axes(Qt::Horizontal).first()->setTitleText(categoryTitle);
    chart->legend()->setVisible(true);
    chart->legend()->setAlignment(Qt::AlignBottom);
}

void showBarValues(QChartView* view) {
    QChart* chart = view->chart();
    int bars = 0;
    for (QAbstractSeries* s : chart->series())
        if (auto* series = qobject_cast<QAbstractBarSeries*>(s)) {
            for (QBarSet* set : series->barSets()) {
                bars = std::max<int>(bars, set->count());
                set->setLabelColor(Qt::black);
                QFont small = set->labelFont();
                small.setPointSizeF(std::max(6.0, small.pointSizeF() - 2));
                set->setLabelFont(small);
            }
            series->setLabelsVisible(true);
            series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
            series->setLabelsFormat("@value");
            // Whole counts up to the millions, never in exponent form.
            series->setLabelsPrecision(12);
            series->setLabelsAngle(bars > 16 ? -90 : 0);
        }
    for (QAbstractAxis* axis : chart->axes(Qt::Vertical))
        if (auto* y = qobject_cast<QValueAxis*>(axis)) {
            y->setMax(y->max() * (bars > 16 ? 1.2 : 1.08));
            y->applyNiceNumbers();
        }
}

} // namespace varnelo

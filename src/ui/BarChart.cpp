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
const char* kValuesWidth = "valuesWidth"; // the bar values side by side, 0 when not shown

// Labels that would not fit side by side turn, so that none covers its
// neighbour, and stay whole; the choice follows the chart's width. The
// values on the bars do the same.
void turnLabels(QChartView* view) {
    const int room = view->width() - 90;
    const int wanted = view->property(kLabelsWidth).toInt();
    for (QAbstractAxis* axis : view->chart()->axes(Qt::Horizontal))
        axis->setLabelsAngle(wanted > room ? -90 : 0);
    const int values = view->property(kValuesWidth).toInt();
    for (QAbstractSeries* s : view->chart()->series())
        if (auto* bars = qobject_cast<QAbstractBarSeries*>(s))
            bars->setLabelsAngle(values > room ? -90 : 0);
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
    view->setProperty(kValuesWidth, 0);
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

namespace {

// Parts of bars, stacked or side by side, with the legend below and the
// categories' axis titled.
void setPartBars(QChartView* view, QAbstractBarSeries* series, const QString& title,
                 const QStringList& categories, const QString& categoryTitle,
                 const QList<BarPart>& parts, const QString& valueTitle, double ceiling) {
    QChart* chart = view->chart();
    clearChart(chart, title);
    const bool stacked = qobject_cast<QStackedBarSeries*>(series) != nullptr;
    QList<double> tops(categories.size(), 0.0);
    for (const BarPart& part : parts) {
        auto* set = new QBarSet(part.name);
        set->setColor(part.colour);
        set->setBorderColor(part.colour.darker(130));
        for (qsizetype i = 0; i < part.values.size(); ++i) {
            *set << part.values[i];
            if (i < tops.size())
                tops[i] = stacked ? tops[i] + part.values[i] : std::max(tops[i], part.values[i]);
        }
        series->append(set);
    }
    series->setBarWidth(stacked ? 0.6 : 0.8);
    chart->addSeries(series);
    const double top = tops.isEmpty() ? 1.0 : *std::max_element(tops.begin(), tops.end());
    attachAxes(view, series, categories, valueTitle, top, ceiling);
    chart->axes(Qt::Horizontal).first()->setTitleText(categoryTitle);
    chart->legend()->setVisible(true);
    chart->legend()->setAlignment(Qt::AlignBottom);
}

} // namespace

void setStackedBars(QChartView* view, const QString& title, const QStringList& categories,
                    const QString& categoryTitle, const QList<BarPart>& parts,
                    const QString& valueTitle, double ceiling) {
    setPartBars(view, new QStackedBarSeries, title, categories, categoryTitle, parts, valueTitle,
                ceiling);
}

void setGroupedBars(QChartView* view, const QString& title, const QStringList& categories,
                    const QString& categoryTitle, const QList<BarPart>& parts,
                    const QString& valueTitle, double ceiling) {
    setPartBars(view, new QBarSeries, title, categories, categoryTitle, parts, valueTitle, ceiling);
}

void showBarValues(QChartView* view) {
    double top = 0;
    int values = 0;
    int widest = 0;
    for (QAbstractSeries* s : view->chart()->series())
        if (auto* bars = qobject_cast<QAbstractBarSeries*>(s)) {
            bars->setLabelsVisible(true);
            bars->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
            bars->setLabelsFormat("@value");
            bars->setLabelsPrecision(12); // whole counts in full, never "1.9e+06"
            for (QBarSet* set : bars->barSets()) {
                set->setLabelColor(Qt::black); // white by default: lost above the bar
                const QFontMetrics metrics(set->labelFont());
                for (int i = 0; i < set->count(); ++i) {
                    top = std::max(top, set->at(i));
                    const int w = metrics.horizontalAdvance(QString::number(set->at(i), 'f', 0));
                    values += w + 4;
                    widest = std::max(widest, w);
                }
            }
        }
    view->setProperty(kValuesWidth, values);
    turnLabels(view);
    // Turned values stand upright above their bars and need more room.
    const bool turned = values > view->width() - 90;
    for (QAbstractAxis* axis : view->chart()->axes(Qt::Vertical))
        if (auto* y = qobject_cast<QValueAxis*>(axis)) {
            y->setRange(0, std::max(1.0, top * (turned && widest > 30 ? 1.3 : 1.15)));
            y->applyNiceNumbers();
        }
}

} // namespace varnelo

#include "checking/ui/DrawWinsChart.h"

#include "ui/Text.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QScatterSeries>

namespace varnelo {

namespace {

// Points of the low categories stay quiet, the high ones show.
QColor categoryColour(int category) {
    if (category >= 10)
        return {0xc0, 0x1c, 0x28};
    if (category >= 8)
        return {0xe0, 0x8a, 0x00};
    if (category >= 6)
        return {0x3a, 0x6e, 0xa5};
    return {0x9a, 0xa5, 0xb1};
}

} // namespace

QChartView* makeDrawWinsChart(QWidget* parent) {
    auto* view = new QChartView(new QChart, parent);
    view->setObjectName("GraficoConfronto");
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(420, 260);
    view->chart()->setTitle("Categoria più alta raggiunta a ogni concorso");
    return view;
}

void showDrawWins(QChartView* view, const ArchiveComparison& comparison) {
    QChart* chart = view->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes())
        chart->removeAxis(axis);
    // One series per group of categories, each in its colour, in the legend.
    const struct {
        int from, to;
        const char* name;
    } groups[] = {{0, 5, "fino a 2+1"}, {6, 7, "3 e 3+1"}, {8, 9, "4 e 4+1"}, {10, 11, "5 e 5+1"}};
    auto* x = new QDateTimeAxis;
    x->setFormat("yyyy");
    x->setTitleText("Data del concorso");
    chart->addAxis(x, Qt::AlignBottom);
    auto* y = new QCategoryAxis;
    y->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    for (int c = 0; c < kCategoryCount; ++c)
        y->append(qs(categoryLabel(c)), c);
    y->setRange(-0.5, kCategoryCount - 0.5);
    y->setTitleText("Categoria");
    chart->addAxis(y, Qt::AlignLeft);
    QDateTime first, last;
    for (const auto& g : groups) {
        auto* points = new QScatterSeries;
        points->setName(g.name);
        points->setMarkerSize(g.from >= 8 ? 9 : 6);
        points->setColor(categoryColour(g.from));
        points->setBorderColor(categoryColour(g.from));
        for (const DrawWins& d : comparison.draws) {
            const int best = d.tally.best();
            if (best < g.from || best > g.to)
                continue;
            const QDateTime when(QDate(d.draw.year, d.draw.month, d.draw.day), QTime(12, 0));
            points->append(static_cast<qreal>(when.toMSecsSinceEpoch()), best);
            first = first.isValid() ? std::min(first, when) : when;
            last = last.isValid() ? std::max(last, when) : when;
        }
        chart->addSeries(points);
        points->attachAxis(x);
        points->attachAxis(y);
    }
    // A margin keeps the first and last points whole.
    if (first.isValid()) {
        const qint64 margin = std::max<qint64>(15, first.daysTo(last) / 40);
        x->setRange(first.addDays(-margin), last.addDays(margin));
    }
    chart->legend()->setAlignment(Qt::AlignBottom);
}

} // namespace varnelo

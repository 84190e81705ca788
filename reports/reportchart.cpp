#include "reportchart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLineSeries>
#include <QPieSeries>
#include <QValueAxis>
#include <algorithm>

namespace {
void drawPies(QChart* chart, const ChartDesign& design, const ReportSeries& values, qsizetype count)
{
    for (qsizetype s = 0; s < count; ++s) {
        auto* pie = new QPieSeries;
        pie->setName(design.series[s].name);
        pie->setHorizontalPosition((double(s) + 0.5) / double(count));
        pie->setPieSize(0.9 / double(count));
        for (qsizetype c = 0; c < values.categories.size(); ++c)
            pie->append(values.categories[c], values.series[s].value(c));
        chart->addSeries(pie);
    }
}

QAbstractSeries* bars(const ChartDesign& design, const ReportSeries& values, qsizetype count)
{
    auto* bars = new QBarSeries;
    for (qsizetype s = 0; s < count; ++s) {
        auto* set = new QBarSet(design.series[s].name);
        set->setColor(design.series[s].color);
        set->append(values.series[s]);
        bars->append(set);
    }
    return bars;
}

QList<QAbstractSeries*> lines(const ChartDesign& design, const ReportSeries& values, qsizetype count)
{
    QList<QAbstractSeries*> lines;
    for (qsizetype s = 0; s < count; ++s) {
        auto* line = new QLineSeries;
        line->setName(design.series[s].name);
        line->setColor(design.series[s].color);
        // A single month is a point, not a line.
        line->setPointsVisible(true);
        for (qsizetype c = 0; c < values.series[s].size(); ++c)
            line->append(double(c), values.series[s][c]);
        lines << line;
    }
    return lines;
}
}

void DrawChart(QChart* chart, const ChartDesign& design, const ReportSeries& values)
{
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    const qsizetype count = std::min(design.series.size(), values.series.size());
    if (design.kind == ChartKind::Pie) {
        drawPies(chart, design, values, count);
        return;
    }

    auto* categories = new QBarCategoryAxis;
    categories->append(values.categories);
    // Many categories stand upright, so every label shows whole.
    if (values.categories.size() > 12)
        categories->setLabelsAngle(-90);
    double low = 0;
    double high = 0;
    for (qsizetype s = 0; s < count; ++s) {
        for (const double value : values.series[s]) {
            low = std::min(low, value);
            high = std::max(high, value);
        }
    }
    auto* amounts = new QValueAxis;
    amounts->setRange(low, high > low ? high : low + 1);
    amounts->applyNiceNumbers();
    // Whole amounts, but a small range keeps its steps apart.
    amounts->setLabelFormat(amounts->max() - amounts->min() < 10 ? QStringLiteral("%.2f") : QStringLiteral("%.0f"));
    chart->addAxis(categories, Qt::AlignBottom);
    chart->addAxis(amounts, Qt::AlignLeft);
    const QList<QAbstractSeries*> drawn = design.kind == ChartKind::Bar ? QList<QAbstractSeries*>{bars(design, values, count)}
                                                                        : lines(design, values, count);
    for (QAbstractSeries* series : drawn) {
        chart->addSeries(series);
        series->attachAxis(categories);
        series->attachAxis(amounts);
    }
}

#include "reportchart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QFontMetricsF>
#include <QLineSeries>
#include <QPieSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

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

// Labels every step-th category, the first included, at its value.
void labelEvery(QCategoryAxis* axis, const QStringList& categories, qsizetype step)
{
    for (const QString& label : axis->categoriesLabels())
        axis->remove(label);
    for (qsizetype c = 0; c < categories.size(); c += step)
        axis->append(categories[c], double(c));
}

// How many categories one label stands for, so that each label shows whole
// beside the next at the plot's width: the axis gives each label an equal
// share of the width, less a padding each side.
qsizetype labelStep(const QCategoryAxis* axis, const QStringList& categories, double plotWidth)
{
    constexpr double Padding = 4;
    const QFontMetricsF metrics(axis->labelsFont());
    double widest = 0;
    for (const QString& category : categories)
        widest = std::max(widest, metrics.horizontalAdvance(category));
    const double share = widest + 2 * Padding + metrics.horizontalAdvance(QLatin1Char('0'));
    // One share more than the labels: the axis counts its start as well.
    const auto labels = std::max<qsizetype>(1, qsizetype(std::floor(plotWidth / share)) - 1);
    return std::max<qsizetype>(1, (categories.size() + labels - 1) / labels);
}

// The categories along the bottom at 0, 1, 2 …, labelled as often as the
// plot's width lets each label show whole; a resized chart is labelled anew.
QCategoryAxis* categoryAxis(QChart* chart, const QStringList& categories)
{
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setRange(-0.5, double(categories.size()) - 0.5);
    axis->setStartValue(-0.5);
    auto relabel = [axis, categories, step = qsizetype(0)](const QRectF& plot) mutable {
        const qsizetype wanted = labelStep(axis, categories, plot.width());
        if (wanted != step)
            labelEvery(axis, categories, step = wanted);
    };
    relabel(chart->plotArea());
    QObject::connect(chart, &QChart::plotAreaChanged, axis, relabel);
    return axis;
}

QList<QAbstractSeries*> lines(const ChartDesign& design, const ReportSeries& values, qsizetype count)
{
    // A line of one point draws nothing: a single month is a marker.
    constexpr qreal PointSize = 9;
    QList<QAbstractSeries*> lines;
    for (qsizetype s = 0; s < count; ++s) {
        QXYSeries* line = nullptr;
        if (values.series[s].size() == 1) {
            auto* point = new QScatterSeries;
            point->setMarkerSize(PointSize);
            point->setBorderColor(design.series[s].color);
            line = point;
        } else {
            line = new QLineSeries;
            line->setPointsVisible(true);
        }
        line->setName(design.series[s].name);
        line->setColor(design.series[s].color);
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

    QAbstractAxis* categories = nullptr;
    if (design.kind == ChartKind::Bar) {
        auto* bars = new QBarCategoryAxis;
        bars->append(values.categories);
        // Many categories stand upright, so every label shows whole.
        if (values.categories.size() > 12)
            bars->setLabelsAngle(-90);
        categories = bars;
    } else {
        categories = categoryAxis(chart, values.categories);
    }
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

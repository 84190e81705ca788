#pragma once
// The one chart of the reports: bars, lines or pies over named categories,
// drawn from a design (its kind, each series' name and colour) and the plain
// series a report rule returns.
#include "reportseries.h"

#include <QColor>
#include <QString>

class QChart;

enum class ChartKind { Bar, Line, Pie };

struct ChartSeriesStyle {
    QString name;
    QColor color;
};

struct ChartDesign {
    ChartKind kind = ChartKind::Line;
    QList<ChartSeriesStyle> series; // series i of the values is drawn as series i here
};

// Replaces what the chart shows. Bars and lines stand over a category axis
// along the bottom and a value axis that takes in 0; lines label every n-th
// category, as many as show whole at the chart's width. A pie shows one slice
// per category, the pies of several series side by side.
void DrawChart(QChart* chart, const ChartDesign& design, const ReportSeries& values);

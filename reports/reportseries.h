#pragma once
#include <QList>
#include <QStringList>

// Values over named categories, one list per series, each value of a series
// belonging to the category of its place: what a report rule hands to a grid
// and to a chart.
struct ReportSeries {
    QStringList categories;
    QList<QList<double>> series;
};

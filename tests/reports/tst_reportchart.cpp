#include "fixture.h"
#include "reportchart.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDate>
#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QImage>
#include <QXYSeries>
#include <QPieSeries>
#include <QTextDocument>
#include <QValueAxis>

#include <algorithm>

namespace {
const ReportSeries Months{{"2024-03", "2024-04", "2024-05"}, {{50, 60, 70}, {11, -12, 13}}};
const QList<ChartSeriesStyle> Styles{{QStringLiteral("销售额"), QColor(Qt::red)}, {QStringLiteral("利润额"), QColor(Qt::green)}};

// What a chart draws, series by series: "name colour value value …"; a pie
// lists its slices as "label=value".
QStringList drawn(const QChart& chart)
{
    QStringList shown;
    for (QAbstractSeries* series : chart.series()) {
        if (auto* line = qobject_cast<QXYSeries*>(series)) {
            QStringList values{line->name(), line->color().name()};
            for (const QPointF& point : line->points())
                values << QStringLiteral("%1:%2").arg(point.x()).arg(point.y());
            shown << values.join(QLatin1Char(' '));
        } else if (auto* bars = qobject_cast<QBarSeries*>(series)) {
            for (QBarSet* set : bars->barSets()) {
                QStringList values{set->label(), set->color().name()};
                for (int i = 0; i < set->count(); ++i)
                    values << QString::number(set->at(i));
                shown << values.join(QLatin1Char(' '));
            }
        } else if (auto* pie = qobject_cast<QPieSeries*>(series)) {
            QStringList values{pie->name()};
            for (QPieSlice* slice : pie->slices())
                values << QStringLiteral("%1=%2").arg(slice->label()).arg(slice->value());
            shown << values.join(QLatin1Char(' '));
        }
    }
    return shown;
}
}

class TestReportChart : public VarnholtTestCase {
    Q_OBJECT

private slots:
    void eachKindDrawsTheSeriesOfItsDesign_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("drawn");
        QTest::addColumn<int>("axes");

        QTest::newRow("lines") << int(ChartKind::Line)
                               << QStringList{"销售额 #ff0000 0:50 1:60 2:70", "利润额 #00ff00 0:11 1:-12 2:13"} << 2;
        QTest::newRow("bars") << int(ChartKind::Bar) << QStringList{"销售额 #ff0000 50 60 70", "利润额 #00ff00 11 -12 13"} << 2;
        // A slice has a size, not a sign.
        QTest::newRow("pies") << int(ChartKind::Pie)
                              << QStringList{"销售额 2024-03=50 2024-04=60 2024-05=70", "利润额 2024-03=11 2024-04=12 2024-05=13"}
                              << 0;
    }

    void eachKindDrawsTheSeriesOfItsDesign()
    {
        QFETCH(int, kind);
        QChart chart;
        const ChartDesign design{ChartKind(kind), Styles};
        // Drawn twice: the second replaces the first.
        DrawChart(&chart, design, Months);
        DrawChart(&chart, design, Months);
        QTEST(drawn(chart), "drawn");
        QTEST(int(chart.axes().size()), "axes");
    }

    // However long the period, the labels along the bottom are whole months,
    // side by side without overlapping, within the chart.
    void theMonthsShowWholeAtAnyPeriod_data()
    {
        QTest::addColumn<int>("months");
        QTest::addColumn<int>("width");
        // 400 pixels: the narrowest the goods analysis draws its trend.
        QTest::newRow("30 months") << 30 << 400;
        QTest::newRow("120 months") << 120 << 400;
        QTest::newRow("120 months, wide") << 120 << 1000;
    }
    void theMonthsShowWholeAtAnyPeriod()
    {
        QFETCH(int, months);
        QFETCH(int, width);
        ReportSeries trend;
        for (int m = 0; m < months; ++m)
            trend.categories << QDate(2020, 1, 1).addMonths(m).toString(QStringLiteral("yyyy-MM"));
        trend.series = {QList<double>(months, 50), QList<double>(months, 10)};
        QChartView view(new QChart);
        view.resize(width, 300);
        DrawChart(view.chart(), {ChartKind::Line, Styles}, trend);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCoreApplication::processEvents();

        const QRectF plot = view.chart()->mapRectToScene(view.chart()->plotArea());
        QList<QRectF> shown;
        for (QGraphicsItem* item : view.scene()->items()) {
            auto* label = dynamic_cast<QGraphicsTextItem*>(item);
            if (!label || !label->isVisible() || label->sceneBoundingRect().top() < plot.bottom())
                continue;
            const QString text = label->toPlainText();
            QVERIFY2(trend.categories.contains(text), qPrintable(text));
            const qreal margin = label->document()->documentMargin();
            const QRectF box = label->sceneBoundingRect().adjusted(margin, margin, -margin, -margin);
            QVERIFY2(box.width() >= QFontMetricsF(label->font()).horizontalAdvance(text) - 0.5, qPrintable(text));
            QVERIFY2(box.left() >= 0 && box.right() <= width, qPrintable(text));
            shown << box;
        }
        QVERIFY(shown.size() >= 3);
        std::sort(shown.begin(), shown.end(), [](const QRectF& a, const QRectF& b) { return a.left() < b.left(); });
        for (qsizetype i = 1; i < shown.size(); ++i)
            QVERIFY2(shown[i - 1].right() <= shown[i].left(), qPrintable(QString::number(i)));
    }

    // A period inside one month is one point of each series: each shows as a
    // mark of its colour, not a dot.
    void aSeriesOfOnePointShowsItsPoint()
    {
        QChartView view(new QChart);
        view.resize(400, 300);
        DrawChart(view.chart(), {ChartKind::Line, Styles}, {{"2024-03"}, {{50}, {11}}});
        QCOMPARE(drawn(*view.chart()), (QStringList{"销售额 #ff0000 0:50", "利润额 #00ff00 0:11"}));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCoreApplication::processEvents();
        const QImage shown = view.grab().toImage();
        const QRect plot = view.chart()->mapRectToScene(view.chart()->plotArea()).toRect();
        // The legend shows the colours too: only the plot is looked at.
        for (const QColor& colour : {QColor(Qt::red), QColor(Qt::green)}) {
            int marked = 0;
            for (int y = plot.top(); y <= plot.bottom(); ++y) {
                for (int x = plot.left(); x <= plot.right(); ++x)
                    marked += shown.pixelColor(x, y) == colour ? 1 : 0;
            }
            QVERIFY2(marked >= 20, qPrintable(QStringLiteral("%1: %2 pixels").arg(colour.name()).arg(marked)));
        }
    }

    void theValueAxisTakesInZeroAndEveryValue()
    {
        QChart chart;
        DrawChart(&chart, {ChartKind::Line, Styles}, Months);
        const QList<QAbstractAxis*> vertical = chart.axes(Qt::Vertical);
        QCOMPARE(vertical.size(), 1);
        auto* values = qobject_cast<QValueAxis*>(vertical.first());
        QVERIFY(values);
        QVERIFY(values->min() <= -12);
        QVERIFY(values->max() >= 70);

        // Nothing to draw: an empty chart.
        DrawChart(&chart, {ChartKind::Line, Styles}, {});
        QVERIFY(chart.series().isEmpty());
    }
};

VARNHOLT_TEST(TestReportChart)
#include "tst_reportchart.moc"

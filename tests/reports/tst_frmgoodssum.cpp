#include "analysisbook.h"
#include "desktop.h"
#include "fixture.h"
#include "salestotals.h"
#include "frmGoodsSum.h"
#include "itemviews.h"
#include "messagebox.h"
#include "openpyxl.h"
#include "reportdrive.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QJsonObject>
#include <QLineEdit>
#include <QLineSeries>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeView>

using namespace ReportDrive;

namespace {
using Grid = QList<QStringList>;

// The lines of the tracker's example: three sales and a return.
const AnalysisBook::Line Lines[] = {
    {"出库", "2024-03-01", "可乐", "饮料", "张三", "李四", 30, 6, 10},
    {"出库", "2024-03-15", "可乐", "饮料", "王五", "李四", 20, 5, 5},
    {"出库", "2024-04-02", "雪碧", "饮料", "张三", "赵六", 60, 12, 12},
    {"退货", "2024-03-20", "可乐", "饮料", "张三", "李四", 10, 2, 3},
};

void click(const QWidget* form, const char* button) { childOf<QPushButton>(form, button)->click(); }

// A grid as shown, its header row first, without the selector column.
Grid gridRows(const QWidget* form, const char* name)
{
    const auto* grid = childOf<QTreeView>(form, name);
    Grid rows{shownHeaders(grid)};
    rows += shownRows(grid);
    for (QStringList& row : rows) {
        if (row.value(0) != QString())
            return {{QStringLiteral("<selector column not empty>")}};
        row.removeFirst();
    }
    return rows;
}

void setPeriod(const QWidget* form, const QDate& first, const QDate& last)
{
    childOf<QDateEdit>(form, "DTPicker1")->setDate(first);
    childOf<QDateEdit>(form, "DTPicker2")->setDate(last);
}

QJsonObject exportedBook()
{
    QJsonObject book;
    if (DesktopOpener::recorded().isEmpty() || !Openpyxl::read(DesktopOpener::recorded().last().target, &book))
        QTest::qFail("no workbook was handed to the desktop", __FILE__, __LINE__);
    return book;
}

QVariant cell(const QJsonObject& book, const char* reference)
{
    return Openpyxl::cell(book, 0, QString::fromLatin1(reference)).value(QStringLiteral("v")).toVariant();
}

// A figure as the spreadsheet sums it: a number shown "0.00".
bool isFigure(const QJsonObject& book, const char* reference)
{
    const QJsonObject figure = Openpyxl::cell(book, 0, QString::fromLatin1(reference));
    return figure.value(QStringLiteral("t")).toString() == QLatin1String("n")
           && figure.value(QStringLiteral("fmt")).toString() == QLatin1String("0.00");
}
}

class TestFrmGoodsSum : public VarnholtTestCase {
    Q_OBJECT

    frmGoodsSum* openForm()
    {
        for (const AnalysisBook::Line& line : Lines)
            AnalysisBook::addLine(line);
        for (const char* goods : {"可乐", "雪碧", "果汁"})
            AnalysisBook::addGoods(goods);
        SlipBooks::execute(QStringLiteral("insert into 商品类别 (编号, 名称) values ('LB001', '饮料'), ('LB002', '食品')"));
        return open<frmGoodsSum>();
    }

private slots:
    void opensWithTodayAndTheCategories()
    {
        frmGoodsSum* form = openForm();
        QCOMPARE(form->windowTitle(), QStringLiteral("商品进销存统计明细表"));
        QCOMPARE(childOf<QDateEdit>(form, "DTPicker1")->date(), defaultNow().date());
        QCOMPARE(childOf<QDateEdit>(form, "DTPicker2")->date(), defaultNow().date());
        auto* categories = childOf<QComboBox>(form, "CobType");
        QCOMPARE(categories->count(), 2);
        QCOMPARE(categories->itemText(0), QStringLiteral("饮料"));
        QCOMPARE(categories->currentText(), QString());
        auto* tabs = childOf<QTabWidget>(form, "SSTab1");
        QCOMPARE(tabs->tabText(0), QStringLiteral("销售分类分析"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("销售走势分析"));
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(gridRows(form, "MSHFlexGrid4"), (Grid{{"商品名称", "销量"}}));
        QCOMPARE(text(form, "Text4"), QString());
    }

    void groupedAnalyses_data()
    {
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("customer");
        QTest::addColumn<Grid>("grid");
        QTest::addColumn<QStringList>("totals");

        const QDate march(2024, 3, 1);
        const QDate endOfMarch(2024, 3, 31);
        const QDate endOfApril(2024, 4, 30);
        const Grid goods{{"商品名称", "销售额", "利润额", "毛利率"}, {"雪碧", "60", "12", "20%"}, {"可乐", "50", "11", "22%"}};
        const QStringList bothMonths{"110.00", "23.00"};
        QTest::newRow("March, returns left out") << march << endOfMarch << "ComOK"
                                                 << ""
                                                 << "" << Grid{goods[0], goods[2]} << QStringList{"50.00", "11.00"};
        QTest::newRow("goods by profit, highest first") << march << endOfApril << "ComOK"
                                                        << ""
                                                        << "" << goods << bothMonths;
        QTest::newRow("goods by profit, lowest first") << march << endOfApril << "ComOK2"
                                                       << ""
                                                       << "" << Grid{goods[0], goods[2], goods[1]} << bothMonths;
        QTest::newRow("customers by sales, highest first")
            << march << endOfApril << "ComOK5"
            << ""
            << "" << Grid{{"客户", "销售额", "利润额", "毛利率"}, {"张三", "90", "18", "20%"}, {"王五", "20", "5", "25%"}}
            << bothMonths;
        QTest::newRow("customers by sales, lowest first")
            << march << endOfApril << "ComOK4"
            << ""
            << "" << Grid{{"客户", "销售额", "利润额", "毛利率"}, {"王五", "20", "5", "25%"}, {"张三", "90", "18", "20%"}}
            << bothMonths;
        QTest::newRow("salesmen by sales, highest first")
            << march << endOfApril << "ComOK7"
            << ""
            << "" << Grid{{"业务员", "销售额", "利润额", "毛利率"}, {"赵六", "60", "12", "20%"}, {"李四", "50", "11", "22%"}}
            << bothMonths;
        QTest::newRow("salesmen by sales, lowest first")
            << march << endOfApril << "ComOK6"
            << ""
            << "" << Grid{{"业务员", "销售额", "利润额", "毛利率"}, {"李四", "50", "11", "22%"}, {"赵六", "60", "12", "20%"}}
            << bothMonths;
        QTest::newRow("a customer's name in part")
            << march << endOfMarch << "ComOK5"
            << ""
            << "张" << Grid{{"客户", "销售额", "利润额", "毛利率"}, {"张三", "30", "6", "20%"}} << QStringList{"30.00", "6.00"};
        QTest::newRow("a typed category in part") << march << endOfApril << "ComOK"
                                                  << "饮"
                                                  << "" << goods << bothMonths;
        QTest::newRow("a category no line has") << march << endOfApril << "ComOK"
                                                << "食品"
                                                << "" << Grid{goods[0]} << QStringList{"0.00", "0.00"};
        QTest::newRow("first day after the last")
            << endOfApril << march << "ComOK5"
            << ""
            << "" << Grid{{"客户", "销售额", "利润额", "毛利率"}} << QStringList{"0.00", "0.00"};
    }

    void groupedAnalyses()
    {
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        QFETCH(QString, button);
        QFETCH(QString, category);
        QFETCH(QString, customer);
        frmGoodsSum* form = openForm();
        setPeriod(form, first, last);
        typeText(childOf<QComboBox>(form, "CobType")->lineEdit(), category);
        typeText(box(form, "Text2"), customer);
        click(form, qPrintable(button));
        QTEST(gridRows(form, "MSHFlexGrid1"), "grid");
        QTEST((QStringList{text(form, "Text4"), text(form, "Text5")}), "totals");
    }

    // A group or month whose sum passes the books' limit says so in its
    // cells, as the total box does.
    void aGroupPastTheLimitIsToldNotShownAsZero()
    {
        for (const AnalysisBook::Line& line :
             {AnalysisBook::Line{"出库", "2024-03-05", "大单", "饮料", "王五", "小李", 60'000'000'000.0, 1, 1},
              AnalysisBook::Line{"出库", "2024-03-06", "大单", "饮料", "王五", "小李", 60'000'000'000.0, 1, 1},
              AnalysisBook::Line{"出库", "2024-03-06", "可乐", "饮料", "王五", "小李", 10, 3, 1}})
            AnalysisBook::addLine(line);
        frmGoodsSum* form = open<frmGoodsSum>();
        setPeriod(form, QDate(2024, 3, 1), QDate(2024, 3, 31));
        click(form, "ComOK");
        QCOMPARE(gridRows(form, "MSHFlexGrid1"), (Grid{{"商品名称", "销售额", "利润额", "毛利率"},
                                                       {"可乐", "10", "3", "30%"},
                                                       {"大单", "超出范围", "2", "超出范围"}}));
        QCOMPARE((QStringList{text(form, "Text4"), text(form, "Text5")}), (QStringList{"合计超出范围", "5.00"}));
        click(form, "ComOK3");
        QCOMPARE(gridRows(form, "MSHFlexGrid2"), (Grid{{"年月", "销售额", "利润额"}, {"2024-03", "超出范围", "5"}}));
        QVERIFY(MessageBox::shown().isEmpty());
    }

    void monthTrendFillsTheGridAndTheChart()
    {
        frmGoodsSum* form = openForm();
        setPeriod(form, QDate(2024, 3, 1), QDate(2024, 4, 30));
        click(form, "ComOK3");
        QCOMPARE(gridRows(form, "MSHFlexGrid2"),
                 (Grid{{"年月", "销售额", "利润额"}, {"2024-03", "50", "11"}, {"2024-04", "60", "12"}}));
        const QList<QAbstractSeries*> series = childOf<QChartView>(form, "MSChart1")->chart()->series();
        QCOMPARE(series.size(), 2);
        const QColor colours[] = {Qt::red, Qt::green};
        const QList<QPointF> points[] = {{{0, 50}, {1, 60}}, {{0, 11}, {1, 12}}};
        for (int s = 0; s < 2; ++s) {
            auto* line = qobject_cast<QLineSeries*>(series[s]);
            QVERIFY(line);
            QCOMPARE(line->color(), colours[s]);
            QCOMPARE(line->points(), points[s]);
        }
        QCOMPARE(text(form, "Text4"), QString());

        // The dates are not swapped: nothing lies between them.
        setPeriod(form, QDate(2024, 4, 30), QDate(2024, 3, 1));
        click(form, "ComOK3");
        QCOMPARE(gridRows(form, "MSHFlexGrid2"), (Grid{{"年月", "销售额", "利润额"}}));
        for (QAbstractSeries* line : childOf<QChartView>(form, "MSChart1")->chart()->series())
            QVERIFY(qobject_cast<QLineSeries*>(line)->points().isEmpty());
    }

    void salesCountListsEveryGoodsAndExportsTheGrid()
    {
        frmGoodsSum* form = openForm();
        // Exported before it is filled: the header row alone.
        click(form, "CommOK11");
        QJsonObject book = exportedBook();
        QCOMPARE(cell(book, "A1").toString(), QStringLiteral("商品名称"));
        QVERIFY(cell(book, "A2").isNull());

        setPeriod(form, QDate(2024, 3, 1), QDate(2024, 3, 31));
        // The goods box is no filter of the count.
        typeText(box(form, "Text1"), QStringLiteral("雪碧"));
        click(form, "CommOK9");
        const Grid march{{"商品名称", "销量"}, {"可乐", "15"}, {"雪碧", "0"}, {"果汁", "0"}};
        QCOMPARE(gridRows(form, "MSHFlexGrid4"), march);

        click(form, "CommOK11");
        QCOMPARE(DesktopOpener::recorded().size(), 2);
        book = exportedBook();
        for (int r = 0; r < march.size(); ++r) {
            const QByteArray row = QByteArray::number(r + 1);
            QCOMPARE(cell(book, "A" + row).toString(), march[r][0]);
            QCOMPARE(cell(book, "B" + row).toString(), march[r][1]);
        }
        QVERIFY(cell(book, "A5").isNull());
        // Counts sum; the selector column is not written.
        for (const char* count : {"B2", "B3", "B4"})
            QVERIFY2(isFigure(book, count), count);
        QVERIFY(cell(book, "C1").isNull());
        QVERIFY(MessageBox::shown().isEmpty());

        setPeriod(form, QDate(2024, 3, 31), QDate(2024, 3, 1));
        click(form, "CommOK9");
        QCOMPARE(gridRows(form, "MSHFlexGrid4"), (Grid{march[0], {"可乐", "0"}, {"雪碧", "0"}, {"果汁", "0"}}));
    }

    void customerPointsIgnoreTheFiltersAndExport()
    {
        SlipBooks::putCustomer(QStringLiteral("王五"), QStringLiteral("5"));
        SlipBooks::putCustomer(QStringLiteral("张三"), QStringLiteral("120.4"));
        SlipBooks::putCustomer(QStringLiteral("李四"), QStringLiteral("30"));
        frmGoodsSum* form = openForm();
        typeText(box(form, "Text2"), QStringLiteral("王"));
        setPeriod(form, QDate(2024, 4, 30), QDate(2024, 3, 1));
        click(form, "CommOK7");
        QCOMPARE(gridRows(form, "MSHFlexGrid3"), (Grid{{"客户", "积分"}, {"张三", "120"}, {"李四", "30"}, {"王五", "5"}}));

        // Its own query, grid or not, under the grid's headers; points in
        // full as numbers, no selector column.
        click(form, "CommOK8");
        const QJsonObject book = exportedBook();
        QCOMPARE(cell(book, "A1").toString(), QStringLiteral("客户"));
        QCOMPARE(cell(book, "B1").toString(), QStringLiteral("积分"));
        QCOMPARE(cell(book, "A2").toString(), QStringLiteral("张三"));
        QCOMPARE(cell(book, "B2").toDouble(), 120.4);
        QCOMPARE(cell(book, "A4").toString(), QStringLiteral("王五"));
        QCOMPARE(cell(book, "B4").toDouble(), 5.0);
        QVERIFY(cell(book, "A5").isNull());
        for (const char* points : {"B2", "B3", "B4"})
            QVERIFY2(isFigure(book, points), points);
        QVERIFY(cell(book, "C1").isNull());
    }

    void enterRunsTheGoodsAnalysisAndEscCloses()
    {
        QPointer<frmGoodsSum> form = openForm();
        setPeriod(form, QDate(2024, 3, 1), QDate(2024, 4, 30));
        // Another analysis first, so Enter's own shows.
        click(form, "ComOK7");
        auto* customer = box(form, "Text2");
        customer->setFocus();
        typeText(customer, QStringLiteral("王"));
        QTest::keyClick(customer, Qt::Key_Return);
        QCOMPARE(gridRows(form, "MSHFlexGrid1"), (Grid{{"商品名称", "销售额", "利润额", "毛利率"}, {"可乐", "20", "5", "25%"}}));
        QCOMPARE(text(form, "Text4"), QStringLiteral("20.00"));

        QTest::keyClick(childOf<QDateEdit>(form, "DTPicker1"), Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!form);
    }

    void aFailedQueryIsReportedAndTheFormGoesOn()
    {
        frmGoodsSum* form = openForm();
        setPeriod(form, QDate(2024, 3, 1), QDate(2024, 3, 31));
        click(form, "ComOK");
        Database::setFailureHook([](const QString& sql) -> std::optional<DbError> {
            const QStringList sales = SalesTotals::tables() + QStringList{QStringLiteral("出库单明细")};
            if (std::any_of(sales.cbegin(), sales.cend(), [&sql](const QString& table) { return sql.contains(table); }))
                return DbError{10, QStringLiteral("disk I/O error")};
            return std::nullopt;
        });
        for (const char* button : {"ComOK5", "ComOK3", "CommOK9"}) {
            MessageBox::setNextAnswer(QMessageBox::Ok);
            click(form, button);
        }
        QCOMPARE(MessageBox::shownTexts(), QStringList(3, QStringLiteral("Error 10: disk I/O error")));
        QCOMPARE(gridRows(form, "MSHFlexGrid1").size(), 1);
        QCOMPARE(text(form, "Text4"), QString());

        Database::setFailureHook({});
        click(form, "ComOK");
        QCOMPARE(gridRows(form, "MSHFlexGrid1").size(), 2);
        QCOMPARE(text(form, "Text5"), QStringLiteral("11.00"));
    }
};

VARNHOLT_TEST(TestFrmGoodsSum)
#include "tst_frmgoodssum.moc"

#include "analysisbook.h"
#include "fixture.h"
#include "goodsanalysis.h"
#include "salesperiod.h"

namespace {
const DatePeriod March{QStringLiteral("2024-03-01"), QStringLiteral("2024-03-31")};

// Each group as "name sales profit margin", the sums whole, the margin "" when none.
QStringList shown(const SalesGroups& groups)
{
    QStringList rows;
    for (const SalesGroup& group : groups.groups) {
        const auto margin = group.marginPercent();
        rows << QStringList{group.name.toString(), group.sales.toPlainText(), group.profit.toPlainText(),
                            margin ? margin->toPlainText() : QString()}
                    .join(QLatin1Char(' '));
    }
    return rows;
}

DbResult<SalesGroups> goodsByProfit(const SalesFilter& filter)
{
    return Database::read([&](DbSession& s) {
        return ReadSalesGroups(s, {SalesGroupBy::Goods, SalesOrder::ByProfit, true}, filter);
    });
}
}

class TestGoodsAnalysis : public VarnholtTestCase {
    Q_OBJECT

private slots:
    void filtersAreBoundContainsMatches_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("goods");
        QTest::addColumn<QString>("customer");
        QTest::addColumn<QString>("salesman");
        QTest::addColumn<QStringList>("groups");

        const QStringList all{"雪碧 80 16 20", "50%果汁 20 4 20", "O'Neil 10 2 20"};
        QTest::newRow("empty filters leave out lines without a customer") << ""
                                                                          << ""
                                                                          << ""
                                                                          << "" << all;
        QTest::newRow("a quote is a character") << ""
                                                << "'"
                                                << ""
                                                << "" << QStringList{all[2]};
        QTest::newRow("a typed % matches anything") << ""
                                                    << "%"
                                                    << ""
                                                    << "" << all;
        QTest::newRow("a typed % inside a text") << ""
                                                 << "0%果"
                                                 << ""
                                                 << "" << QStringList{all[1]};
        QTest::newRow("category in part") << "饮"
                                          << ""
                                          << ""
                                          << "" << QStringList{all[1], all[2]};
        QTest::newRow("customer in part") << ""
                                          << ""
                                          << "张"
                                          << "" << QStringList{all[0], all[2]};
        QTest::newRow("salesman in part") << ""
                                          << ""
                                          << ""
                                          << "赵" << QStringList{all[0]};
        QTest::newRow("all four") << "饮"
                                  << "N"
                                  << "张"
                                  << "李" << QStringList{all[2]};
    }

    void filtersAreBoundContainsMatches()
    {
        QFETCH(QString, category);
        QFETCH(QString, goods);
        QFETCH(QString, customer);
        QFETCH(QString, salesman);
        const AnalysisBook::Line lines[] = {
            {"出库", "2024-03-01", "O'Neil", "饮料", "张三", "李四", 10, 2, 1},
            {"出库", "2024-03-02", "50%果汁", "饮料", "王五", "李四", 20, 4, 2},
            {"出库", "2024-03-03", "可乐", "饮料", nullptr, "李四", 40, 8, 4},
            {"出库", "2024-03-04", "雪碧", "食品", "张三", "赵六", 80, 16, 8},
            {"出库", "2024-02-29", "雪碧", "食品", "张三", "赵六", 1000, 100, 1},
        };
        for (const auto& line : lines)
            AnalysisBook::addLine(line);
        const auto groups = goodsByProfit({March, category, goods, customer, salesman});
        QVERIFY(groups);
        QTEST(shown(*groups), "groups");
    }

    void sumsAreExactAndMarginsRoundOnThem()
    {
        const AnalysisBook::Line lines[] = {
            // 11.5 in all, which adding the stored doubles makes 11.499999999999998.
            {"出库", "2024-03-01", "可乐", "饮料", "张三", "李四", 2.4, 1, 1},
            {"出库", "2024-03-01", "可乐", "饮料", "张三", "李四", 3.21, 1, 1},
            {"出库", "2024-03-01", "可乐", "饮料", "张三", "李四", 2.45, 1, 1},
            {"出库", "2024-03-01", "可乐", "饮料", "张三", "李四", 3.44, 1.6, 1},
            // 29 of 200 is 14.5 hundredths, where 29.0 / 200 * 100 gives 14.499999999999998.
            {"出库", "2024-03-02", "雪碧", "饮料", "张三", "李四", 200, 29, 1},
            // Sold and given back within the sales: nothing sold, a loss.
            {"出库", "2024-03-03", "赠品", "饮料", "张三", "李四", 10, -1, 1},
            {"出库", "2024-03-04", "赠品", "饮料", "张三", "李四", -10, -2, -1},
            {"出库", "2024-03-05", "果汁", "饮料", "张三", "李四", 20, -5, 1},
        };
        for (const auto& line : lines)
            AnalysisBook::addLine(line);
        const auto groups = goodsByProfit({March, {}, {}, {}, {}});
        QVERIFY(groups);
        QCOMPARE(shown(*groups), (QStringList{"雪碧 200 29 14.5", "可乐 11.5 4.6 40", "赠品 0 -3 ", "果汁 20 -5 -25"}));
        QCOMPARE(groups->sales.toMoneyText(), QStringLiteral("231.50"));
        QCOMPARE(groups->profit.toMoneyText(), QStringLiteral("25.60"));
    }

    void equalSumsKeepTheOrderOfTheirNames()
    {
        for (const char* customer : {"乙", "丙", "甲"})
            AnalysisBook::addLine(
                {"出库", "2024-03-01", "可乐", "饮料", customer, "李四", customer == QByteArray("丙") ? 20.0 : 10.0, 1, 1});
        auto customers = [](bool descending) {
            const auto read = Database::read([&](DbSession& s) {
                return ReadSalesGroups(s, {SalesGroupBy::Customer, SalesOrder::BySales, descending}, {March, {}, {}, {}, {}});
            });
            QStringList names;
            for (const SalesGroup& group : read ? read->groups : QList<SalesGroup>{})
                names << group.name.toString();
            return names;
        };
        // 乙 before 甲 in the engine's order of texts.
        QCOMPARE(customers(true), (QStringList{"丙", "乙", "甲"}));
        QCOMPARE(customers(false), (QStringList{"乙", "甲", "丙"}));
    }

    void monthTrendRunsByMonth()
    {
        const AnalysisBook::Line lines[] = {
            {"出库", "2024-04-02", "雪碧", "饮料", "张三", "赵六", 60, 12, 12},
            {"出库", "2024-03-01", "可乐", "饮料", "张三", "李四", 30, 6, 10},
            {"出库", "2024-05-01", "可乐", "饮料", "张三", "李四", 7, 1, 1},
            {"退货", "2024-03-20", "可乐", "饮料", "张三", "李四", 10, 2, 3},
            {"出库", "2024-03-31", "可乐", "饮料", "王五", "李四", 20.5, 5, 5},
        };
        for (const auto& line : lines)
            AnalysisBook::addLine(line);
        const SalesFilter filter{{QStringLiteral("2024-03-01"), QStringLiteral("2024-04-30")}, {}, {}, {}, {}};
        const auto trend = Database::read([&](DbSession& s) { return ReadMonthTrend(s, filter); });
        QVERIFY(trend);
        QCOMPARE(trend->categories, (QStringList{"2024-03", "2024-04"}));
        QCOMPARE(trend->series, (QList<QList<double>>{{50.5, 60}, {11, 12}}));
    }

    void countMatchesWholeNamesUnderTheFilters()
    {
        for (const char* goods : {"可乐", "可%", "O'Neil", "雪碧", "冰可乐", "Cola"})
            AnalysisBook::addGoods(goods);
        const AnalysisBook::Line lines[] = {
            {"出库", "2024-03-01", "可乐", "饮料", "张三", "李四", 30, 6, 10},
            {"出库", "2024-03-02", "可乐", "饮料", "王五", "李四", 3, 1, 1.5},
            {"出库", "2024-03-03", "O'Neil", "饮料", "张三", "李四", 5, 1, 2},
            {"出库", "2024-03-04", "雪碧", "食品", "张三", "李四", 60, 12, 12},
            {"退货", "2024-03-05", "可乐", "饮料", "张三", "李四", 10, 2, 3},
            // The books compare names without regard to Latin case.
            {"出库", "2024-03-06", "COLA", "饮料", "张三", "李四", 8, 1, 4},
        };
        for (const auto& line : lines)
            AnalysisBook::addLine(line);
        auto counts = [](const SalesFilter& filter) {
            QStringList shown;
            const auto read = Database::read([&](DbSession& s) { return ReadGoodsCounts(s, filter); });
            if (!read)
                return QStringList{read.error().text()};
            for (int r = 0; r < read->count(); ++r)
                shown << read->text(r, QStringLiteral("商品名称")) + QLatin1Char(' ') + read->text(r, QStringLiteral("销量"));
            return shown;
        };
        QCOMPARE(counts({March, {}, {}, {}, {}}),
                 (QStringList{"可乐 11.5", "可% 0", "O'Neil 2", "雪碧 12", "冰可乐 0", "Cola 4"}));
        // A goods whose name has lines of another category counts only the chosen one's.
        QCOMPARE(counts({March, QStringLiteral("饮料"), {}, QStringLiteral("张"), {}}),
                 (QStringList{"可乐 10", "可% 0", "O'Neil 2", "雪碧 0", "冰可乐 0", "Cola 4"}));
    }

    // A month is read from the totals only when the period holds it whole.
    void periodsSplitAtWholeMonths_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("parts");
        QTest::newRow("whole months") << "2024-01-01"
                                      << "2024-02-29"
                                      << "2024-01..2024-02";
        QTest::newRow("edges on both sides") << "2023-12-15"
                                             << "2024-03-01"
                                             << "2024-01..2024-02 2023-12-15..2023-12-31 2024-03-01..2024-03-01";
        QTest::newRow("inside one month") << "2024-03-02"
                                          << "2024-03-30"
                                          << "2024-03-02..2024-03-30";
        QTest::newRow("across a month boundary") << "2024-03-02"
                                                 << "2024-04-30"
                                                 << "2024-04..2024-04 2024-03-02..2024-03-31";
        QTest::newRow("a day") << "2024-03-01"
                               << "2024-03-01"
                               << "2024-03-01..2024-03-01";
        QTest::newRow("first after last") << "2024-04-01"
                                          << "2024-03-31"
                                          << "2024-04-01..2024-03-31";
        QTest::newRow("not dates") << "2024-3-1"
                                   << "2024-03-31"
                                   << "2024-3-1..2024-03-31";
    }

    void periodsSplitAtWholeMonths()
    {
        QFETCH(QString, first);
        QFETCH(QString, last);
        const PeriodParts parts = SplitPeriod({first, last});
        QStringList shown;
        if (!parts.firstMonth.isEmpty())
            shown << parts.firstMonth + QStringLiteral("..") + parts.lastMonth;
        for (const DatePeriod& edge : parts.edges)
            shown << edge.first + QStringLiteral("..") + edge.last;
        QTEST(shown.join(QLatin1Char(' ')), "parts");
    }

    // The whole month from the totals and the edge days from the lines add up
    // to the lines of the period, and no line outside it.
    void periodOffMonthBoundsAddsItsEdges()
    {
        const AnalysisBook::Line lines[] = {
            {"出库", "2024-02-28", "可乐", "饮料", "张三", "李四", 1000, 100, 1},
            {"出库", "2024-02-29", "可乐", "饮料", "张三", "李四", 1, 0.5, 1},
            {"出库", "2024-03-15", "可乐", "饮料", "张三", "李四", 20, 2, 1},
            {"出库", "2024-03-16", "COLA", "饮料", "张三", "李四", 7, 1, 1},
            {"出库", "2024-04-01", "cola", "饮料", "张三", "李四", 3, 0.25, 1},
            {"出库", "2024-04-02", "可乐", "饮料", "张三", "李四", 2000, 200, 1},
        };
        for (const auto& line : lines)
            AnalysisBook::addLine(line);
        const auto groups = goodsByProfit({{QStringLiteral("2024-02-29"), QStringLiteral("2024-04-01")}, {}, {}, {}, {}});
        QVERIFY(groups);
        QCOMPARE(shown(*groups), (QStringList{"可乐 21 2.5 11.9048", "COLA 10 1.25 12.5"}));
    }

    // A period's whole months come from the sales totals and what they cannot
    // answer from the lines of its days: the engine sorts nothing.
    void statementsReadThePeriodAlone_data()
    {
        QTest::addColumn<int>("statement");
        QTest::addColumn<QString>("totals");
        QTest::newRow("goods by profit") << 0 << "商品月计";
        QTest::newRow("customers by sales") << 1 << "客户月计";
        QTest::newRow("salesmen by sales") << 2 << "业务员月计";
        QTest::newRow("month trend") << 3 << "销售日计";
        QTest::newRow("sales count") << 4 << "商品月计";
    }

    void statementsReadThePeriodAlone()
    {
        QFETCH(int, statement);
        QFETCH(QString, totals);
        const std::pair<SalesFilter, QString> filters[] = {
            {SalesFilter{March, {}, {}, {}, {}}, QStringLiteral("SEARCH ") + totals},
            {SalesFilter{March, QStringLiteral("饮"), QStringLiteral("可"), QStringLiteral("张"), QStringLiteral("李")},
             QStringLiteral("USING INDEX ix_out_lines_date")},
        };
        for (const auto& [filter, read] : filters) {
            const ReportStatement statements[] = {
                SalesGroupsStatement({SalesGroupBy::Goods, SalesOrder::ByProfit, true}, filter),
                SalesGroupsStatement({SalesGroupBy::Customer, SalesOrder::BySales, true}, filter),
                SalesGroupsStatement({SalesGroupBy::Salesman, SalesOrder::BySales, false}, filter),
                MonthTrendStatement(filter),
                GoodsCountsStatement(filter),
            };
            const ReportStatement& chosen = statements[statement];
            const auto plan = Database::read(
                [&](DbSession& s) { return s.query(QStringLiteral("explain query plan ") + chosen.sql, chosen.params); });
            QVERIFY(plan);
            QStringList steps;
            for (int r = 0; r < plan->count(); ++r)
                steps << plan->text(r, QStringLiteral("detail"));
            const QString shown = steps.join(QLatin1Char('\n'));
            QVERIFY2(shown.contains(read), qPrintable(shown));
            QVERIFY2(!shown.contains(QStringLiteral("TEMP B-TREE")), qPrintable(shown));
        }
    }
};

VARNHOLT_TEST(TestGoodsAnalysis)
#include "tst_goodsanalysis.moc"

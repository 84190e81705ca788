#include "dbsession.h"
#include "fixture.h"
#include "salesmanperformance.h"

namespace {
struct Line {
    const char* date;
    const char* goods;
    double amount;
    double profit;
    const char* salesman;
    const char* kind;
};

// Lines of 2024-03 for 李明 and his colleague 李; dates out of order on purpose.
const Line Lines[] = {
    {"2024-03-02", "可乐", 10.4, 2.1, "李", "出库"},   {"2024-03-05", "雪碧", 89.6, 20.0, "李", "出库"},
    {"2024-03-01", "芬达", 50.0, 5.0, "李明", "出库"}, {"2024-03-03", "雪碧", 30.0, 6.5, "李", "退货"},
    {"2024-03-04", "可乐", 7.0, 1.0, "李明", "退货"},  {"2024-03-02", "橙汁", 5.0, 1.0, "O'Brien", "出库"},
    {"2024-03-02", "矿泉水", 3.0, 0.5, "", "出库"},
};
}

class TestSalesmanPerformance : public VarnholtTestCase {
    Q_OBJECT

    void addLines()
    {
        auto conn = Mod1::OpenConn();
        QVERIFY(conn);
        for (const Line& line : Lines) {
            auto done = conn->insert(QStringLiteral("出库单明细"), {{"单号", QStringLiteral("C0000001")},
                                                                    {"日期", QString::fromUtf8(line.date)},
                                                                    {"商品名称", QString::fromUtf8(line.goods)},
                                                                    {"金额", line.amount},
                                                                    {"利润金额", line.profit},
                                                                    {"业务员", QString::fromUtf8(line.salesman)},
                                                                    {"类别2", QString::fromUtf8(line.kind)}});
            QVERIFY2(done, qPrintable(done ? QString() : done.error().text()));
        }
    }

    static QStringList dates(const SalesLines& lines)
    {
        QStringList result;
        for (const SalesLine& line : lines.lines)
            result << line.date + QLatin1Char(' ') + line.goods;
        return result;
    }

private slots:
    void figuresOfOneSalesman_data()
    {
        QTest::addColumn<QString>("salesman");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QStringList>("sales");
        QTest::addColumn<QStringList>("returns");
        QTest::addColumn<QStringList>("totals");

        QTest::newRow("all dates, newest first; 李明's lines not counted for 李")
            << "李" << QString() << QString() << QStringList{"2024-03-05 雪碧", "2024-03-02 可乐"}
            << QStringList{"2024-03-03 雪碧"} << QStringList{"100.00", "22.10", "30.00", "6.50", "70.00", "15.60"};
        QTest::newRow("the longer name only its own")
            << "李明" << QString() << QString() << QStringList{"2024-03-01 芬达"} << QStringList{"2024-03-04 可乐"}
            << QStringList{"50.00", "5.00", "7.00", "1.00", "43.00", "4.00"};
        QTest::newRow("a period, both ends included")
            << "李"
            << "2024-03-02"
            << "2024-03-03" << QStringList{"2024-03-02 可乐"} << QStringList{"2024-03-03 雪碧"}
            << QStringList{"10.40", "2.10", "30.00", "6.50", "-19.60", "-4.40"};
        QTest::newRow("one day") << "李"
                                 << "2024-03-05"
                                 << "2024-03-05" << QStringList{"2024-03-05 雪碧"} << QStringList{}
                                 << QStringList{"89.60", "20.00", "0.00", "0.00", "89.60", "20.00"};
        QTest::newRow("first day after the last")
            << "李"
            << "2024-03-05"
            << "2024-03-01" << QStringList{} << QStringList{} << QStringList{"0.00", "0.00", "0.00", "0.00", "0.00", "0.00"};
        QTest::newRow("an empty name counts nothing") << "" << QString() << QString() << QStringList{} << QStringList{}
                                                      << QStringList{"0.00", "0.00", "0.00", "0.00", "0.00", "0.00"};
        QTest::newRow("a quote is a character") << "O'Brien" << QString() << QString() << QStringList{"2024-03-02 橙汁"}
                                                << QStringList{} << QStringList{"5.00", "1.00", "0.00", "0.00", "5.00", "1.00"};
        QTest::newRow("no lines") << "王五" << QString() << QString() << QStringList{} << QStringList{}
                                  << QStringList{"0.00", "0.00", "0.00", "0.00", "0.00", "0.00"};
    }

    void figuresOfOneSalesman()
    {
        QFETCH(QString, salesman);
        QFETCH(QString, first);
        QFETCH(QString, last);
        addLines();
        std::optional<DatePeriod> period;
        if (!first.isEmpty())
            period = DatePeriod{first, last};
        auto conn = Mod1::OpenConn();
        auto read = ReadSalesmanPerformance(*conn, salesman, period);
        QVERIFY(read);
        QTEST(dates(read->sales), "sales");
        QTEST(dates(read->returns), "returns");
        QTEST((QStringList{read->salesTotal(), read->profitTotal(), read->returnsTotal(), read->profitBack(), read->netSales(),
                           read->netProfit()}),
              "totals");
    }

    void sumsKeepTheExactAmounts()
    {
        SalesmanPerformance figures;
        figures.sales.lines.append({"2024-03-01", "可乐", 10.4, 0.4});
        figures.sales.amount = 10.4;
        figures.sales.profit = 0.4;
        QCOMPARE(figures.salesTotal(), QStringLiteral("10.40"));
        QCOMPARE(figures.profitTotal(), QStringLiteral("0.40"));

        // The net figures are the shown totals less the shown returns.
        figures.sales.amount = 10.004;
        figures.returns.amount = 0.006;
        QCOMPARE(figures.salesTotal(), QStringLiteral("10.00"));
        QCOMPARE(figures.returnsTotal(), QStringLiteral("0.01"));
        QCOMPARE(figures.netSales(), QStringLiteral("9.99"));
        figures.sales.amount = 0.3;
        figures.returns.amount = 0.1;
        QCOMPARE(figures.netSales(), QStringLiteral("0.20"));
    }

    void failureIsAnError()
    {
        Database::setFailureHook([](const QString& sql) -> std::optional<DbError> {
            if (sql.contains(QStringLiteral("出库单明细")))
                return DbError{10, QStringLiteral("disk I/O error")};
            return std::nullopt;
        });
        auto conn = Mod1::OpenConn();
        auto read = ReadSalesmanPerformance(*conn, QStringLiteral("李"));
        QVERIFY(!read);
        QCOMPARE(read.error().text(), QStringLiteral("Error 10: disk I/O error"));
    }
};

VARNHOLT_TEST(TestSalesmanPerformance)
#include "tst_salesmanperformance.moc"

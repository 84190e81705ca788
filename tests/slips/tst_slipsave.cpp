#include "fixture.h"
#include "slipbooks.h"
#include "slipsave.h"

using namespace SlipBooks;

Q_DECLARE_METATYPE(const SlipDesign*)

namespace {
SlipOutcome save(const SlipDesign& design, const SlipHeader& h, const QList<SlipLine>& lines)
{
    return write([&](DbSession& s) { return SaveSlip(s, design, h, lines); });
}
}

class TestSlipSave : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void rowsOfEachFamily()
    {
        putStock(QStringLiteral("SP000001"), QStringLiteral("10"), QStringLiteral("80"), QStringLiteral("8"));

        SlipHeader in = header(QStringLiteral("R0000001"));
        in.partner = QStringLiteral("长江商行");
        in.remark = QStringLiteral("补货");
        in.discount = amount(QStringLiteral("90"));
        in.totalQuantity = amount(QStringLiteral("10"));
        in.totalAmount = amount(QStringLiteral("45"));
        in.difference = amount(QStringLiteral("-5"));
        QVERIFY(save(SlipDesigns::StockIn, in,
                     {line(QStringLiteral("SP000001"), QStringLiteral("10"), QStringLiteral("5"), QStringLiteral("45"))}));
        QCOMPARE(rowsOf(QStringLiteral("select * from 入库单")),
                 QStringList{QStringLiteral(
                     "R0000001 | 2024-03-05 | 09:30:00 | 管理员 | 90 | 长江商行 | 10 | 45 | -5 | -5 | 入库 | 补货 | 0")});
        QCOMPARE(rowsOf(QStringLiteral("select * from 入库单明细")),
                 QStringList{QStringLiteral(
                     "R0000001 | 2024-03-05 | 2024-03 | SP000001 | 商品SP000001 | 500ml | 瓶 | 10 | 5 | 90 | 45 | 饮料 | 入库")});

        SlipHeader sale = header(QStringLiteral("C0000001"));
        sale.partner = QStringLiteral("王五");
        sale.introducer = QStringLiteral("赵六");
        sale.salesman = QStringLiteral("小李");
        sale.discount = amount(QStringLiteral("90"));
        sale.totalQuantity = amount(QStringLiteral("2"));
        sale.totalAmount = amount(QStringLiteral("22.5"));
        sale.totalCost = amount(QStringLiteral("16"));
        sale.totalProfit = amount(QStringLiteral("6.5"));
        sale.difference = amount(QStringLiteral("-2.5"));
        const SlipLine sold = salesLine(QStringLiteral("SP000001"), QStringLiteral("2"), QStringLiteral("12.5"),
                                        QStringLiteral("22.50"), QStringLiteral("8"));
        QVERIFY(save(SlipDesigns::Sale, sale, {sold}));
        QCOMPARE(rowsOf(QStringLiteral("select * from 出库单")),
                 QStringList{QStringLiteral("C0000001 | 2024-03-05 | 09:30:00 | 管理员 | 王五 | 赵六 | 2 | 22.5 | 16 | 6.5 | "
                                            "出库 | 90 | 小李 | - | -2.5 | -2.5 | 0")});
        QCOMPARE(rowsOf(QStringLiteral("select * from 出库单明细")),
                 QStringList{QStringLiteral(
                     "C0000001 | 2024-03-05 | 2024-03 | SP000001 | 商品SP000001 | 500ml | 瓶 | 2 | 12.5 | 90 | 22.5 | "
                     "饮料 | 16 | 6.5 | 王五 | 小李 | 赵六 | 出库")});

        SlipHeader count = header(QStringLiteral("P0000001"));
        count.totalQuantity = amount(QStringLiteral("-3"));
        count.totalAmount = amount(QStringLiteral("-6"));
        SlipLine counted = line(QStringLiteral("SP000001"), QStringLiteral("5"), QStringLiteral("2"), QStringLiteral("-6"));
        counted.bookQuantity = amount(QStringLiteral("8"));
        counted.gain = amount(QStringLiteral("-3"));
        QVERIFY(save(SlipDesigns::Stocktake, count, {counted}));
        QCOMPARE(rowsOf(QStringLiteral("select * from 盘点单")),
                 QStringList{QStringLiteral("P0000001 | 2024-03-05 | 09:30:00 | 管理员 | -3 | -6 | -")});
        QCOMPARE(rowsOf(QStringLiteral("select * from 盘点单明细")),
                 QStringList{QStringLiteral(
                     "P0000001 | 2024-03-05 | SP000001 | 商品SP000001 | 500ml | 瓶 | 8 | 5 | -3 | 2 | -6 | 饮料")});

        SlipHeader loss = header(QStringLiteral("L0000001"));
        loss.discount = amount(QStringLiteral("90"));
        loss.totalQuantity = amount(QStringLiteral("4"));
        loss.totalAmount = amount(QStringLiteral("7.2"));
        QVERIFY(save(SlipDesigns::Loss, loss,
                     {line(QStringLiteral("SP000001"), QStringLiteral("4"), QStringLiteral("2"), QStringLiteral("7.2"))}));
        QCOMPARE(rowsOf(QStringLiteral("select * from 调失单")),
                 QStringList{QStringLiteral("L0000001 | 2024-03-05 | 09:30:00 | 管理员 | 90 | 4 | 7.2 | 报损 | -")});
        QCOMPARE(rowsOf(QStringLiteral("select * from 调失单明细")),
                 QStringList{
                     QStringLiteral("L0000001 | 2024-03-05 | SP000001 | 商品SP000001 | 500ml | 瓶 | 4 | 2 | 90 | 7.2 | 饮料")});
    }

    // The cash paid minus the total: a purchase keeps it whatever its sign,
    // a sale only a debt.
    void debts_data()
    {
        QTest::addColumn<const SlipDesign*>("design");
        QTest::addColumn<QString>("difference");
        QTest::addColumn<QString>("stored");
        QTest::newRow("purchase, cash 50 on 80") << &SlipDesigns::StockIn << "-30"
                                                 << "-30 | -30";
        QTest::newRow("purchase, cash 100 on 80") << &SlipDesigns::StockIn << "20"
                                                  << "20 | 20";
        QTest::newRow("purchase return, cash 100 on 80") << &SlipDesigns::PurchaseReturn << "20"
                                                         << "20 | 20";
        QTest::newRow("sale, cash 50 on 80") << &SlipDesigns::Sale << "-30"
                                             << "-30 | -30";
        QTest::newRow("sale, cash 100 on 80") << &SlipDesigns::Sale << "20"
                                              << "0 | 0";
        QTest::newRow("sales return, cash 50 on 80") << &SlipDesigns::SalesReturn << "-30"
                                                     << "-30 | -30";
        QTest::newRow("sales return, cash 100 on 80") << &SlipDesigns::SalesReturn << "20"
                                                      << "0 | 0";
    }
    void debts()
    {
        QFETCH(const SlipDesign*, design);
        QFETCH(QString, difference);
        SlipHeader h = header(design->letter + QStringLiteral("0000001"));
        h.totalAmount = amount(QStringLiteral("80"));
        h.difference = amount(difference);
        QVERIFY(save(*design, h, {line(QStringLiteral("SP000001"), QStringLiteral("1"), QStringLiteral("80"))}));
        QTEST(rowsOf(QStringLiteral("select 欠款金额, 尚欠金额 from ") + design->headerTable).join(QString()), "stored");
    }

    // The total as a whole number moves the points of the customer, then of the introducer.
    void points_data()
    {
        QTest::addColumn<const SlipDesign*>("design");
        QTest::addColumn<QString>("customer");
        QTest::addColumn<QString>("introducer");
        QTest::addColumn<QString>("customerPoints");
        QTest::addColumn<QString>("introducerPoints");
        QTest::newRow("sale") << &SlipDesigns::Sale << "王五"
                              << "赵六"
                              << "224"
                              << "174";
        QTest::newRow("return") << &SlipDesigns::SalesReturn << "王五"
                                << "赵六"
                                << "-24"
                                << "-74";
        QTest::newRow("no introducer") << &SlipDesigns::Sale << "王五"
                                       << "-"
                                       << "224"
                                       << "50";
        QTest::newRow("customer introduces himself") << &SlipDesigns::Sale << "王五"
                                                     << "王五"
                                                     << "348"
                                                     << "50";
    }
    void points()
    {
        QFETCH(const SlipDesign*, design);
        QFETCH(QString, customer);
        QFETCH(QString, introducer);
        putCustomer(QStringLiteral("王五"), QStringLiteral("100"));
        putCustomer(QStringLiteral("赵六"), QStringLiteral("50"));
        SlipHeader h = header(design->letter + QStringLiteral("0000001"));
        h.partner = customer;
        h.introducer = introducer;
        h.totalAmount = amount(QStringLiteral("123.50"));
        QVERIFY(save(*design, h,
                     {salesLine(QStringLiteral("SP000001"), QStringLiteral("1"), QStringLiteral("123.5"),
                                QStringLiteral("123.50"), QStringLiteral("0"))}));
        QTEST(pointsOf(QStringLiteral("王五")), "customerPoints");
        QTEST(pointsOf(QStringLiteral("赵六")), "introducerPoints");
    }

    // Two customers of one name each keep their own points and gain the slip's.
    void pointsMoveEachCustomerOfTheName()
    {
        putCustomer(QStringLiteral("张三"), QStringLiteral("10"));
        putCustomer(QStringLiteral("张三"), QStringLiteral("20"));
        SlipHeader h = header(QStringLiteral("C0000001"));
        h.partner = QStringLiteral("张三");
        h.totalAmount = amount(QStringLiteral("5"));
        QVERIFY(save(SlipDesigns::Sale, h, {}));
        QCOMPARE(pointsOf(QStringLiteral("张三")), QStringLiteral("15, 25"));
    }
};

VARNHOLT_TEST(TestSlipSave)
#include "tst_slipsave.moc"

#include "fixture.h"
#include "slipbooks.h"
#include "slipdelete.h"
#include "slippayment.h"
#include "slipsave.h"

using namespace SlipBooks;

Q_DECLARE_METATYPE(const SlipDesign*)

namespace {
const QString A = QStringLiteral("SP000001");
const QString B = QStringLiteral("SP000002");

void saveSlip(const SlipDesign& design, const SlipHeader& h, const QList<SlipLine>& lines)
{
    const SlipOutcome saved = write([&](DbSession& s) { return SaveSlip(s, design, h, lines); });
    QCOMPARE(outcomeText(saved), QStringLiteral("done"));
}

QString deleteSlip(const SlipDesign& design, const QString& number)
{
    return outcomeText(write([&](DbSession& s) { return DeleteSlipWithRollback(s, design, number); }));
}

void setStock(const QString& code, const QString& quantity, const QString& value)
{
    execute(QStringLiteral("update 库存 set 库存量 = ?, 金额 = ? where 商品编号 = ?"),
            {amount(quantity).toDouble(), amount(value).toDouble(), code});
}
}

class TestSlipDelete : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void stockInTakenBackWithItsPayments()
    {
        putStock(A, QStringLiteral("3"), QStringLiteral("46"), QStringLiteral("15.33"));
        saveSlip(SlipDesigns::StockIn, header(QStringLiteral("R0000001")), {line(A, QStringLiteral("5"), QStringLiteral("10"))});
        saveSlip(SlipDesigns::StockIn, header(QStringLiteral("R0000002")), {line(A, QStringLiteral("1"), QStringLiteral("10"))});
        QCOMPARE(stockOf(A), QStringLiteral("9.00 / 106.00 / 11.78"));
        QVERIFY(write([](DbSession& s) {
            return PaySlip(s, SlipDesigns::StockIn, QStringLiteral("R0000001"), amount(QStringLiteral("10")),
                           QStringLiteral("管理员"), VarnholtTestCase::defaultNow());
        }));

        QCOMPARE(deleteSlip(SlipDesigns::StockIn, QStringLiteral("R0000002")), QStringLiteral("done"));
        QCOMPARE(stockOf(A), QStringLiteral("8.00 / 96.00 / 12.00"));
        QCOMPARE(deleteSlip(SlipDesigns::StockIn, QStringLiteral("R0000001")), QStringLiteral("done"));
        QCOMPARE(stockOf(A), QStringLiteral("3.00 / 46.00 / 15.33"));
        for (const QString& table : {QStringLiteral("入库单"), QStringLiteral("入库单明细"), QStringLiteral("入库单明细1")})
            QCOMPARE(rowsOf(QStringLiteral("select * from ") + table), QStringList());
        QCOMPARE(deleteSlip(SlipDesigns::StockIn, QStringLiteral("R0000001")), QStringLiteral("not found"));
    }

    // A slip of another kind under the number is not this kind's to delete.
    void onlySlipsOfTheKind()
    {
        putStock(A, QStringLiteral("10"), QStringLiteral("25"), QStringLiteral("2.5"));
        execute(QStringLiteral("insert into 调失单 (单号, 类别) values ('L0000050', '调拔')"));
        execute(QStringLiteral("insert into 调失单明细 (单号, 商品编号, 数量, 单价) values ('L0000050', ?, 4, 2)"), {A});
        saveSlip(SlipDesigns::PurchaseReturn, header(QStringLiteral("T0000001")),
                 {line(A, QStringLiteral("1"), QStringLiteral("2"))});
        const QStringList before = wholeBooks();
        QCOMPARE(deleteSlip(SlipDesigns::Loss, QStringLiteral("L0000050")), QStringLiteral("not found"));
        QCOMPARE(deleteSlip(SlipDesigns::StockIn, QStringLiteral("T0000001")), QStringLiteral("not found"));
        QCOMPARE(wholeBooks(), before);
    }

    // Stock when the slip is deleted -> what the deletion leaves or its refusal.
    void takeBack_data()
    {
        QTest::addColumn<const SlipDesign*>("design");
        QTest::addColumn<QString>("stockThen");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QString>("stockAfter");
        const QString shortStock = QStringLiteral("refused: 库存量与库存金额已小于该单号数值，不符合删除条件！");
        // The slip holds one line of 5 @ 10 (sales: costing 50).
        QTest::newRow("stock-in") << &SlipDesigns::StockIn << "8/96"
                                  << "done"
                                  << "3.00 / 46.00 / 15.33";
        QTest::newRow("stock-in to nothing") << &SlipDesigns::StockIn << "5/49.5"
                                             << "done"
                                             << "0.00 / 0.00 / 0.00";
        QTest::newRow("stock-in sold since") << &SlipDesigns::StockIn << "3/30" << shortStock << "3.00 / 30.00 / 10.00";
        QTest::newRow("stock left without value") << &SlipDesigns::StockIn << "8/50" << shortStock << "8.00 / 50.00 / 10.00";
        QTest::newRow("purchase return") << &SlipDesigns::PurchaseReturn << "-2/-20"
                                         << "done"
                                         << "3.00 / 30.00 / 10.00";
        QTest::newRow("sale") << &SlipDesigns::Sale << "3/30"
                              << "done"
                              << "8.00 / 80.00 / 10.00";
        QTest::newRow("sale from below zero to nothing") << &SlipDesigns::Sale << "-5/-50"
                                                         << "done"
                                                         << "0.00 / 0.00 / 0.00";
        QTest::newRow("sale far below zero") << &SlipDesigns::Sale << "-8/-80" << shortStock << "-8.00 / -80.00 / 10.00";
        QTest::newRow("sales return") << &SlipDesigns::SalesReturn << "7/70"
                                      << "done"
                                      << "2.00 / 20.00 / 10.00";
        QTest::newRow("sales return sold since") << &SlipDesigns::SalesReturn << "1/10" << shortStock << "1.00 / 10.00 / 10.00";
        QTest::newRow("loss") << &SlipDesigns::Loss << "1/10"
                              << "done"
                              << "6.00 / 60.00 / 10.00";
        QTest::newRow("loss from below zero") << &SlipDesigns::Loss << "-9/-90"
                                              << "done"
                                              << "-4.00 / -40.00 / 10.00";
        QTest::newRow("loss back to nothing keeps the average") << &SlipDesigns::Loss << "-5/-48"
                                                                << "done"
                                                                << "0.00 / 2.00 / 10.00";
    }
    void takeBack()
    {
        QFETCH(const SlipDesign*, design);
        QFETCH(QString, stockThen);
        putStock(A, QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("10"));
        const SlipLine l = design->family == SlipFamily::Sales
                               ? salesLine(A, QStringLiteral("5"), QStringLiteral("12"), QStringLiteral("60.00"),
                                           QStringLiteral("10"))
                               : line(A, QStringLiteral("5"), QStringLiteral("10"), QStringLiteral("45"));
        const QString number = design->letter + QStringLiteral("0000001");
        saveSlip(*design, header(number), {l});
        const QStringList level = stockThen.split(QLatin1Char('/'));
        setStock(A, level[0], level[1]);
        const QStringList before = wholeBooks();

        const QString outcome = deleteSlip(*design, number);
        QTEST(outcome, "outcome");
        QTEST(stockOf(A), "stockAfter");
        if (outcome.startsWith(QLatin1String("refused")))
            QCOMPARE(wholeBooks(), before);
        else
            QCOMPARE(rowsOf(QStringLiteral("select * from ") + design->lineTable), QStringList());
    }

    // Deleting a slip takes back what its save moved, a discounted line included.
    void saveThenDeleteLeavesTheStock_data()
    {
        QTest::addColumn<const SlipDesign*>("design");
        QTest::newRow("stock-in") << &SlipDesigns::StockIn;
        QTest::newRow("purchase return") << &SlipDesigns::PurchaseReturn;
        QTest::newRow("sale") << &SlipDesigns::Sale;
        QTest::newRow("sales return") << &SlipDesigns::SalesReturn;
        QTest::newRow("loss") << &SlipDesigns::Loss;
    }
    void saveThenDeleteLeavesTheStock()
    {
        QFETCH(const SlipDesign*, design);
        putStock(A, QStringLiteral("10"), QStringLiteral("25"), QStringLiteral("2.5"));
        SlipHeader h = header(design->letter + QStringLiteral("0000001"));
        h.discount = amount(QStringLiteral("90"));
        const SlipLine l = design->family == SlipFamily::Sales
                               ? salesLine(A, QStringLiteral("4"), QStringLiteral("3"), QStringLiteral("10.80"),
                                           QStringLiteral("2.5"))
                               : line(A, QStringLiteral("4"), QStringLiteral("2"), QStringLiteral("7.2"));
        saveSlip(*design, h, {l});
        QCOMPARE(deleteSlip(*design, h.number), QStringLiteral("done"));
        QCOMPARE(stockOf(A), QStringLiteral("10.00 / 25.00 / 2.50"));
    }

    // Every line is checked, a later line of a goods from the earlier one's
    // result, before anything is written.
    void laterLineRefusesTheWholeSlip_data()
    {
        QTest::addColumn<QString>("secondGoods");
        QTest::newRow("other goods short") << B;
        QTest::newRow("same goods, short after the first line") << A;
    }
    void laterLineRefusesTheWholeSlip()
    {
        QFETCH(QString, secondGoods);
        putStock(A, QStringLiteral("0"), QStringLiteral("0"));
        putStock(B, QStringLiteral("0"), QStringLiteral("0"));
        saveSlip(SlipDesigns::StockIn, header(QStringLiteral("R0000001")),
                 {line(A, QStringLiteral("5"), QStringLiteral("10")),
                  line(secondGoods, QStringLiteral("5"), QStringLiteral("10"))});
        setStock(A, secondGoods == A ? QStringLiteral("8") : QStringLiteral("5"), QStringLiteral("80"));
        setStock(B, QStringLiteral("2"), QStringLiteral("20"));
        const QStringList before = wholeBooks();
        QCOMPARE(deleteSlip(SlipDesigns::StockIn, QStringLiteral("R0000001")),
                 QStringLiteral("refused: 库存量与库存金额已小于该单号数值，不符合删除条件！"));
        QCOMPARE(wholeBooks(), before);
    }

    void goodsWithoutStockRowRefuses_data()
    {
        QTest::addColumn<const SlipDesign*>("design");
        QTest::addColumn<QString>("message");
        QTest::newRow("stock-in") << &SlipDesigns::StockIn << "该商品已无库存";
        QTest::newRow("sale") << &SlipDesigns::Sale << "该商品库存已无记录,不符合删除条件！";
        QTest::newRow("loss") << &SlipDesigns::Loss << "该商品库存已无记录,不符合删除条件！";
    }
    void goodsWithoutStockRowRefuses()
    {
        QFETCH(const SlipDesign*, design);
        QFETCH(QString, message);
        putStock(A, QStringLiteral("20"), QStringLiteral("200"), QStringLiteral("10"));
        putCustomer(QStringLiteral("王五"), QStringLiteral("100"));
        SlipHeader h = header(design->letter + QStringLiteral("0000001"));
        h.partner = QStringLiteral("王五");
        h.totalAmount = amount(QStringLiteral("20"));
        saveSlip(*design, h,
                 {line(A, QStringLiteral("1"), QStringLiteral("10")), line(B, QStringLiteral("1"), QStringLiteral("10"))});
        execute(QStringLiteral("delete from 库存 where 商品编号 = ?"), {B});
        const QStringList before = wholeBooks();
        QCOMPARE(deleteSlip(*design, h.number), QStringLiteral("refused: ") + message);
        QCOMPARE(wholeBooks(), before);
    }

    // The points a sales slip moved go back, from whoever its header names.
    void salesPointsTakenBack_data()
    {
        QTest::addColumn<const SlipDesign*>("design");
        QTest::addColumn<QString>("customerAfter");
        QTest::addColumn<QString>("introducerAfter");
        QTest::newRow("sale") << &SlipDesigns::Sale << "89"
                              << "39";
        QTest::newRow("sales return") << &SlipDesigns::SalesReturn << "111"
                                      << "61";
    }
    void salesPointsTakenBack()
    {
        QFETCH(const SlipDesign*, design);
        putStock(A, QStringLiteral("5"), QStringLiteral("50"), QStringLiteral("10"));
        putCustomer(QStringLiteral("王五"), QStringLiteral("100"));
        putCustomer(QStringLiteral("赵六"), QStringLiteral("50"));
        SlipHeader h = header(design->letter + QStringLiteral("0000001"));
        h.partner = QStringLiteral("王五");
        h.introducer = QStringLiteral("赵六");
        h.totalAmount = amount(QStringLiteral("10.60"));
        saveSlip(*design, h,
                 {salesLine(A, QStringLiteral("2"), QStringLiteral("5.3"), QStringLiteral("10.60"), QStringLiteral("10"))});
        // Points of the save counted as they stand when the slip is deleted.
        execute(QStringLiteral("update 客户 set 积分 = case 名称 when '王五' then 100 else 50 end"));
        QCOMPARE(deleteSlip(*design, h.number), QStringLiteral("done"));
        QTEST(pointsOf(QStringLiteral("王五")), "customerAfter");
        QTEST(pointsOf(QStringLiteral("赵六")), "introducerAfter");
        QCOMPARE(stockOf(A), QStringLiteral("5.00 / 50.00 / 10.00"));
        QCOMPARE(rowsOf(QStringLiteral("select count(*) from 出库单明细")), QStringList{QStringLiteral("0")});
    }
};

VARNHOLT_TEST(TestSlipDelete)
#include "tst_slipdelete.moc"

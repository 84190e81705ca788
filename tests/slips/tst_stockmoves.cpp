#include "fixture.h"
#include "slipbooks.h"
#include "slipdelete.h"
#include "slipsave.h"
#include "stocklevel.h"

using namespace SlipBooks;

Q_DECLARE_METATYPE(const SlipDesign*)

namespace {
const QString Goods = QStringLiteral("SP000001");
}

class TestStockMoves : public VarnholtTestCase {
    Q_OBJECT
private slots:
    // Stock before -> one saved line -> stock after (库存量 / 金额 / 均价).
    // A line is "quantity @ price" with its amount (sales: its unit cost).
    void savedLineMovesStock_data()
    {
        QTest::addColumn<const SlipDesign*>("design");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("amountOrCost");
        QTest::addColumn<QString>("after");
        const SlipDesign* in = &SlipDesigns::StockIn;
        const SlipDesign* back = &SlipDesigns::PurchaseReturn;
        const SlipDesign* sale = &SlipDesigns::Sale;
        const SlipDesign* saleBack = &SlipDesigns::SalesReturn;
        const SlipDesign* count = &SlipDesigns::Stocktake;
        const SlipDesign* loss = &SlipDesigns::Loss;

        QTest::newRow("stock-in, new row takes the discounted amount") << in << "none"
                                                                       << "10"
                                                                       << "5"
                                                                       << "45"
                                                                       << "10.00 / 45.00 / 5.00";
        QTest::newRow("stock-in moves by quantity x price") << in << "10/40/4"
                                                            << "10"
                                                            << "5"
                                                            << "45"
                                                            << "20.00 / 90.00 / 4.50";
        QTest::newRow("purchase return") << back << "10/50/5"
                                         << "5"
                                         << "4"
                                         << "20"
                                         << "5.00 / 30.00 / 6.00";
        QTest::newRow("purchase return to zero keeps the average") << back << "5/20/4.4"
                                                                   << "5"
                                                                   << "4"
                                                                   << "20"
                                                                   << "0.00 / 0.00 / 4.40";
        QTest::newRow("purchase return without a row") << back << "none"
                                                       << "5"
                                                       << "4"
                                                       << "20"
                                                       << "-5.00 / -20.00 / 4.00";
        QTest::newRow("sale at the average cost") << sale << "10/80/8"
                                                  << "2"
                                                  << "9.9"
                                                  << "7"
                                                  << "8.00 / 64.00 / 8.00";
        QTest::newRow("sale to zero keeps the average") << sale << "2/16/8"
                                                        << "2"
                                                        << "9.9"
                                                        << "8"
                                                        << "0.00 / 0.00 / 8.00";
        QTest::newRow("sale below zero") << sale << "1/10/10"
                                         << "3"
                                         << "12"
                                         << "10"
                                         << "-2.00 / -20.00 / 10.00";
        QTest::newRow("sale without a row creates it") << sale << "none"
                                                       << "2"
                                                       << "12"
                                                       << "8"
                                                       << "-2.00 / -16.00 / 8.00";
        QTest::newRow("sales return") << saleBack << "10/80/8"
                                      << "2"
                                      << "9.9"
                                      << "7"
                                      << "12.00 / 96.00 / 8.00";
        QTest::newRow("sales return without a row creates it") << saleBack << "none"
                                                               << "2"
                                                               << "12"
                                                               << "8"
                                                               << "2.00 / 16.00 / 8.00";
        QTest::newRow("average recomputed to the cent") << in << "2/10/5"
                                                        << "1"
                                                        << "3.335"
                                                        << "3.335"
                                                        << "3.00 / 13.34 / 4.45";
        QTest::newRow("count") << count << "10/25/2.5"
                               << "7"
                               << "2"
                               << "-6"
                               << "7.00 / 14.00 / 2.00";
        QTest::newRow("count of zero keeps the average") << count << "10/25/2.5"
                                                         << "0"
                                                         << "2"
                                                         << "-20"
                                                         << "0.00 / 0.00 / 2.50";
        QTest::newRow("count without a row") << count << "none"
                                             << "-3"
                                             << "2"
                                             << "-6"
                                             << "-3.00 / -6.00 / 2.00";
        QTest::newRow("loss by quantity x price, average untouched") << loss << "10/25/2.5"
                                                                     << "4"
                                                                     << "2"
                                                                     << "7.2"
                                                                     << "6.00 / 17.00 / 2.50";
        QTest::newRow("loss beyond the value") << loss << "2/2/1"
                                               << "2"
                                               << "5"
                                               << "10"
                                               << "0.00 / -8.00 / 1.00";
        QTest::newRow("loss without a row moves nothing") << loss << "none"
                                                          << "4"
                                                          << "2"
                                                          << "8"
                                                          << "none";
    }
    void savedLineMovesStock()
    {
        QFETCH(const SlipDesign*, design);
        QFETCH(QString, before);
        QFETCH(QString, quantity);
        QFETCH(QString, price);
        QFETCH(QString, amountOrCost);
        if (before != QLatin1String("none")) {
            const QStringList level = before.split(QLatin1Char('/'));
            putStock(Goods, level[0], level[1], level[2]);
        }
        SlipLine l = line(Goods, quantity, price, amountOrCost);
        if (design->family == SlipFamily::Sales)
            l = salesLine(Goods, quantity, price, {}, amountOrCost);
        else if (design->family == SlipFamily::Stocktake)
            l.bookQuantity = amount(QStringLiteral("10"));
        const SlipOutcome outcome = write(
            [&](DbSession& s) { return SaveSlip(s, *design, header(design->letter + "0000001"), {l}); });
        QCOMPARE(outcomeText(outcome), QStringLiteral("done"));
        QTEST(stockOf(Goods), "after");
        if (before == QLatin1String("none") && design->family != SlipFamily::Loss) {
            QCOMPARE(rowsOf(QStringLiteral("select 类别, 商品名称, 规格, 单位, 库存上限, 库存下限 from 库存")),
                     QStringList{QStringLiteral("饮料 | 商品SP000001 | 500ml | 瓶 | 100 | 5")});
        }
    }

    // Each line of a goods moves its stock from where the line before left it.
    void linesOfOneGoodsMoveItInTurn()
    {
        putStock(Goods, QStringLiteral("10"), QStringLiteral("40"), QStringLiteral("4"));
        const SlipLine l = line(Goods, QStringLiteral("10"), QStringLiteral("5"));
        QVERIFY(write([&](DbSession& s) {
            return SaveSlip(s, SlipDesigns::StockIn, header(QStringLiteral("R0000001")), {l, l});
        }));
        QCOMPARE(stockOf(Goods), QStringLiteral("30.00 / 140.00 / 4.67"));

        SlipLine counted = line(Goods, QStringLiteral("3"), QStringLiteral("2"));
        SlipLine recounted = line(Goods, QStringLiteral("5"), QStringLiteral("3"));
        QVERIFY(write([&](DbSession& s) {
            return SaveSlip(s, SlipDesigns::Stocktake, header(QStringLiteral("P0000001")), {counted, recounted});
        }));
        QCOMPARE(stockOf(Goods), QStringLiteral("5.00 / 15.00 / 3.00"));
    }

    // Stock-in of 10 @ 10, then of a line at three or four decimals: its
    // quantity x price moves the value exactly, rounded once to the cent, in
    // the save and in the deletion that takes it back.
    void aValueIsRoundedOnce_data()
    {
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("lineAmount");
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QString>("deleted");
        QTest::newRow("four decimals of price") << "7.52"
                                                << "11.3238"
                                                << "85.15"
                                                << "17.52 / 185.15 / 10.57"
                                                << "10.00 / 100.00 / 10.00";
        QTest::newRow("three decimals of quantity") << "0.165"
                                                    << "0.03"
                                                    << "0.00"
                                                    << "10.17 / 100.00 / 9.83"
                                                    << "10.01 / 100.00 / 9.99";
        QTest::newRow("four decimals of both") << "1.2345"
                                               << "6.7891"
                                               << "8.38"
                                               << "11.23 / 108.38 / 9.65"
                                               << "10.00 / 100.00 / 10.00";
    }
    void aValueIsRoundedOnce()
    {
        QFETCH(QString, quantity);
        QFETCH(QString, price);
        QFETCH(QString, lineAmount);
        const auto save = [](const QString& number, const SlipLine& l) {
            return outcomeText(write([&](DbSession& s) { return SaveSlip(s, SlipDesigns::StockIn, header(number), {l}); }));
        };
        QCOMPARE(save(QStringLiteral("R0000001"), line(Goods, QStringLiteral("10"), QStringLiteral("10"), QStringLiteral("100"))),
                 QStringLiteral("done"));
        QCOMPARE(save(QStringLiteral("R0000002"), line(Goods, quantity, price, lineAmount)), QStringLiteral("done"));
        QTEST(stockOf(Goods), "saved");
        QCOMPARE(outcomeText(write(
                     [](DbSession& s) { return DeleteSlipWithRollback(s, SlipDesigns::StockIn, QStringLiteral("R0000002")); })),
                 QStringLiteral("done"));
        QTEST(stockOf(Goods), "deleted");
    }

    void averageCostRule_data()
    {
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("average");
        QTest::newRow("value over quantity") << "3"
                                             << "46"
                                             << "15.33";
        QTest::newRow("below zero too") << "-4"
                                        << "-10"
                                        << "2.50";
        QTest::newRow("no quantity") << "0"
                                     << "5"
                                     << "keeps";
        QTest::newRow("less than half a hundredth") << "0.004"
                                                    << "5"
                                                    << "keeps";
        QTest::newRow("half a hundredth counts") << "0.005"
                                                 << "0.05"
                                                 << "10.00";
    }
    void averageCostRule()
    {
        QFETCH(QString, quantity);
        QFETCH(QString, value);
        const auto average = RecalcAverageCost(amount(quantity), amount(value));
        QTEST(average ? average->toMoneyText() : QStringLiteral("keeps"), "average");
    }
};

VARNHOLT_TEST(TestStockMoves)
#include "tst_stockmoves.moc"

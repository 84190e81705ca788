#include "fixture.h"
#include "linefigures.h"
#include "slipbooks.h"

using namespace SlipBooks;

namespace {
SlipLine entered(const QString& quantity, const QString& price, const QString& unitCost = {}, const QString& book = {})
{
    SlipLine line;
    line.quantity = amount(quantity);
    line.price = amount(price);
    line.unitCost = amount(unitCost);
    line.bookQuantity = amount(book);
    return line;
}

QString shown(const LineFigures& f)
{
    return QStringList{f.amount.toMoneyText(), f.cost.toMoneyText(), f.profit.toMoneyText(), f.gain.toMoneyText()}.join(
        QStringLiteral(" / "));
}
}

class TestLineFigures : public VarnholtTestCase {
    Q_OBJECT
private slots:
    // 金额 / 成本金额 / 利润金额 / 盈亏 of a goods line entered at a discount:
    // the product is exact, rounded once to the cent.
    void aGoodsLine_data()
    {
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("discount");
        QTest::addColumn<QString>("unitCost");
        QTest::addColumn<QString>("figures");
        QTest::newRow("three decimals of discount") << "1000"
                                                    << "100"
                                                    << "12.345"
                                                    << "0"
                                                    << "12345.00 / 0.00 / 12345.00 / 0.00";
        QTest::newRow("four decimals of discount") << "100"
                                                   << "100"
                                                   << "12.3456"
                                                   << "0"
                                                   << "1234.56 / 0.00 / 1234.56 / 0.00";
        QTest::newRow("rounded once, not to ten-thousandths first") << "1"
                                                                    << "1"
                                                                    << "0.495"
                                                                    << "0"
                                                                    << "0.00 / 0.00 / 0.00 / 0.00";
        QTest::newRow("four decimals of quantity and price") << "1.2345"
                                                             << "6.7891"
                                                             << "90"
                                                             << "0"
                                                             << "7.54 / 0.00 / 7.54 / 0.00";
        QTest::newRow("half a cent away from zero") << "-1"
                                                    << "0.01"
                                                    << "50"
                                                    << "0"
                                                    << "-0.01 / 0.00 / -0.01 / 0.00";
        QTest::newRow("cost at the unit cost") << "3"
                                               << "10"
                                               << "90"
                                               << "2.335"
                                               << "27.00 / 7.01 / 19.99 / 0.00";
        QTest::newRow("past the book limit") << "999999999.99"
                                             << "999999999.99"
                                             << "100"
                                             << "0"
                                             << "超出范围 / 0.00 / 超出范围 / 0.00";
    }
    void aGoodsLine()
    {
        QFETCH(QString, quantity);
        QFETCH(QString, price);
        QFETCH(QString, discount);
        QFETCH(QString, unitCost);
        QFETCH(QString, figures);
        const LineFigures f = LineFiguresOf(LineRule::Goods, entered(quantity, price, unitCost), amount(discount));
        QCOMPARE(shown(f), figures);
        QCOMPARE(f.inRange(), !figures.contains(QStringLiteral("超出范围")));
    }

    // A count's difference is counted less book quantity, its amount the difference at the price.
    void aCount()
    {
        QCOMPARE(shown(LineFiguresOf(LineRule::Count,
                                     entered(QStringLiteral("7"), QStringLiteral("2.5"), {}, QStringLiteral("10")))),
                 QStringLiteral("-7.50 / 0.00 / -7.50 / -3.00"));
    }

    // A line merged from several entries keeps its amount and cost; its profit follows them.
    void aMergedLine()
    {
        SlipLine merged = entered(QStringLiteral("3"), QStringLiteral("10"), QStringLiteral("2"));
        merged.amount = amount(QStringLiteral("28.5"));
        merged.costAmount = amount(QStringLiteral("6"));
        QCOMPARE(shown(LineFiguresOf(LineRule::Goods, merged, {}, false)), QStringLiteral("28.50 / 6.00 / 22.50 / 0.00"));
    }
};

VARNHOLT_TEST(TestLineFigures)
#include "tst_linefigures.moc"

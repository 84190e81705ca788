#include "fixture.h"
#include "slipbooks.h"
#include "slipdelete.h"
#include "slipedit.h"
#include "slippayment.h"
#include "slipsave.h"

using namespace SlipBooks;

Q_DECLARE_METATYPE(const SlipDesign*)

namespace {
const QString A = QStringLiteral("SP000001");
const QString B = QStringLiteral("SP000002");

QString pastLimit(const QString& owner, const QString& figure)
{
    return QStringLiteral("refused: %1%2不能大于[99999999999.99]。").arg(owner, figure);
}

QString goods(const QString& code) { return QStringLiteral("商品[商品%1]的").arg(code); }

SlipHeader totalled(const QString& number, const QList<SlipLine>& lines)
{
    SlipHeader h = header(number);
    h.partner = QStringLiteral("王五");
    for (const SlipLine& l : lines) {
        h.totalQuantity += l.quantity;
        h.totalAmount += l.amount;
    }
    return h;
}

QString save(const SlipDesign& design, const QList<SlipLine>& lines)
{
    const SlipHeader h = totalled(design.letter + QStringLiteral("0000001"), lines);
    return outcomeText(write([&](DbSession& s) { return SaveSlip(s, design, h, lines); }));
}

SlipLine counted(const QString& code, const QString& quantity, const QString& price)
{
    SlipLine l = line(code, quantity, price, QStringLiteral("0"));
    l.bookQuantity = l.quantity;
    return l;
}
}

// A write that would move a stored figure past the book limit is refused,
// naming what the figure belongs to, and leaves the books as they were.
class TestBookLimit : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void save_data()
    {
        QTest::addColumn<const SlipDesign*>("design");
        QTest::addColumn<QList<SlipLine>>("lines");
        QTest::addColumn<QString>("outcome");
        const auto l = [](const QString& code, const char* quantity, const char* price) {
            return line(code, QString::fromLatin1(quantity), QString::fromLatin1(price));
        };
        // A's stock holds 10 at a value of 99999999000.
        QTest::newRow("stock value reaching the limit") << &SlipDesigns::StockIn << QList{l(A, "1", "999.99")} << "done";
        QTest::newRow("stock value pushed past")
            << &SlipDesigns::StockIn << QList{l(A, "1", "1000")} << pastLimit(goods(A), QStringLiteral("库存金额"));
        QTest::newRow("stock quantity pushed past")
            << &SlipDesigns::StockIn << QList{l(B, "1", "0")} << pastLimit(goods(B), QStringLiteral("库存量"));
        QTest::newRow("a line's amount past")
            << &SlipDesigns::StockIn << QList{l(A, "1000000000", "1000000")} << pastLimit(goods(A), QStringLiteral("金额"));
        QTest::newRow("lines summing past") << &SlipDesigns::PurchaseReturn
                                            << QList{l(A, "1", "50000000000"), l(B, "1", "50000000000")}
                                            << pastLimit({}, QStringLiteral("合计金额"));
        QTest::newRow("a count valued past") << &SlipDesigns::Stocktake << QList{counted(A, "99999999999", "2")}
                                             << pastLimit(goods(A), QStringLiteral("库存金额"));
        QTest::newRow("a sale past the points")
            << &SlipDesigns::Sale
            << QList{salesLine(A, QStringLiteral("1"), QStringLiteral("100"), QStringLiteral("100.00"), QStringLiteral("0"))}
            << pastLimit(QStringLiteral("客户[王五]的"), QStringLiteral("积分"));
    }
    void save()
    {
        QFETCH(const SlipDesign*, design);
        QFETCH(QList<SlipLine>, lines);
        QFETCH(QString, outcome);
        putStock(A, QStringLiteral("10"), QStringLiteral("99999999000"), QStringLiteral("9999999900"));
        putStock(B, QStringLiteral("99999999999.99"), QStringLiteral("10"), QStringLiteral("0"));
        putCustomer(QStringLiteral("王五"), QStringLiteral("99999999950"));
        const QStringList before = wholeBooks();
        QCOMPARE(::save(*design, lines), outcome);
        if (outcome == QStringLiteral("done"))
            QCOMPARE(stockOf(A), QStringLiteral("11.00 / 99999999999.99 / 9090909090.91"));
        else
            QCOMPARE(wholeBooks(), before);
    }

    void paymentPastTheLimit()
    {
        SlipHeader h = header(QStringLiteral("R0000001"));
        h.difference = amount(QStringLiteral("-500"));
        QVERIFY(write([&](DbSession& s) { return SaveSlip(s, SlipDesigns::StockIn, h, {}); }));
        const auto pay = [&](const char* paid) {
            return outcomeText(write([&](DbSession& s) {
                return PaySlip(s, SlipDesigns::StockIn, h.number, amount(QString::fromLatin1(paid)), QStringLiteral("管理员"),
                               VarnholtTestCase::defaultNow());
            }));
        };
        QCOMPARE(pay("100"), QStringLiteral("done"));
        const QStringList before = wholeBooks();
        QCOMPARE(pay("99999999999.99"), pastLimit({}, QStringLiteral("还款金额")));
        QCOMPARE(pay("1e15"), pastLimit({}, QStringLiteral("还款金额")));
        QCOMPARE(wholeBooks(), before);
    }

    // Deleting a sale gives its quantity back to a stock that has since grown to the limit.
    void deletionPastTheLimit()
    {
        putStock(A, QStringLiteral("20"), QStringLiteral("200"), QStringLiteral("10"));
        const SlipLine sold = salesLine(A, QStringLiteral("10"), QStringLiteral("12"), QStringLiteral("120.00"),
                                        QStringLiteral("10"));
        QCOMPARE(::save(SlipDesigns::Sale, {sold}), QStringLiteral("done"));
        execute(QStringLiteral("update 库存 set 库存量 = 99999999999.99 where 商品编号 = ?"), {A});
        const QStringList before = wholeBooks();
        QCOMPARE(outcomeText(write(
                     [&](DbSession& s) { return DeleteSlipWithRollback(s, SlipDesigns::Sale, QStringLiteral("C0000001")); })),
                 pastLimit(goods(A), QStringLiteral("库存量")));
        QCOMPARE(wholeBooks(), before);
    }

    // An edit that hands a sale's points to a customer already at the limit.
    void editPastTheLimit()
    {
        putCustomer(QStringLiteral("王五"), QStringLiteral("0"));
        putCustomer(QStringLiteral("赵六"), QStringLiteral("99999999999"));
        QCOMPARE(::save(SlipDesigns::Sale,
                        {salesLine(A, QStringLiteral("1"), QStringLiteral("5"), QStringLiteral("5.00"), QStringLiteral("0"))}),
                 QStringLiteral("done"));
        const QStringList before = wholeBooks();
        const SlipEdit edit{QStringLiteral("C0000001"), QStringLiteral("赵六"), QStringLiteral("-"), QStringLiteral("-"),
                            QStringLiteral("-")};
        QCOMPARE(outcomeText(
                     write([&](DbSession& s) { return EditSlip(s, SlipDesigns::Sale, QStringLiteral("C0000001"), edit); })),
                 pastLimit(QStringLiteral("客户[赵六]的"), QStringLiteral("积分")));
        QCOMPARE(wholeBooks(), before);
    }
};

VARNHOLT_TEST(TestBookLimit)
#include "tst_booklimit.moc"

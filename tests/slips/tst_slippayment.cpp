#include "fixture.h"
#include "slipbooks.h"
#include "slippayment.h"
#include "slipsave.h"

using namespace SlipBooks;

Q_DECLARE_METATYPE(const SlipDesign*)

class TestSlipPayment : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void paymentsComeTowardsZero_data()
    {
        QTest::addColumn<const SlipDesign*>("design");
        QTest::newRow("repayment to the supplier") << &SlipDesigns::StockIn;
        QTest::newRow("repayment of a purchase return") << &SlipDesigns::PurchaseReturn;
        QTest::newRow("collection from the customer") << &SlipDesigns::Sale;
    }
    void paymentsComeTowardsZero()
    {
        QFETCH(const SlipDesign*, design);
        SlipHeader h = header(design->letter + QStringLiteral("0000001"));
        h.totalAmount = amount(QStringLiteral("800"));
        h.difference = amount(QStringLiteral("-500.00"));
        QVERIFY(write([&](DbSession& s) { return SaveSlip(s, *design, h, {}); }));

        const QDateTime when = VarnholtTestCase::defaultNow();
        const SlipOutcome first = write([&](DbSession& s) {
            return PaySlip(s, *design, h.number, amount(QStringLiteral("200")), QStringLiteral("收银员"), when);
        });
        QCOMPARE(outcomeText(first), QStringLiteral("done"));
        QCOMPARE(first.balance.paid.toMoneyText(), QStringLiteral("200.00"));
        QCOMPARE(first.balance.owed.toMoneyText(), QStringLiteral("-300.00"));
        const SlipOutcome second = write([&](DbSession& s) {
            return PaySlip(s, *design, h.number, amount(QStringLiteral("100.5")), QStringLiteral("管理员"), when.addSecs(60));
        });
        QCOMPARE(second.balance.owed.toMoneyText(), QStringLiteral("-199.50"));

        QCOMPARE(rowsOf(QStringLiteral("select 还款金额, 尚欠金额, 欠款金额 from ") + design->headerTable),
                 QStringList{QStringLiteral("300.5 | -199.5 | -500")});
        QCOMPARE(rowsOf(QStringLiteral("select * from %1 order by rowid").arg(design->paymentTable)),
                 (QStringList{h.number + QStringLiteral(" | 200 | 收银员 | 2024-03-05 | 09:00:00"),
                              h.number + QStringLiteral(" | 100.5 | 管理员 | 2024-03-05 | 09:01:00")}));
    }

    // Only a slip of the kind is paid: nothing is written for another.
    void slipNotInItsBook()
    {
        SlipHeader h = header(QStringLiteral("T0000001"));
        h.difference = amount(QStringLiteral("-50"));
        QVERIFY(write([&](DbSession& s) { return SaveSlip(s, SlipDesigns::PurchaseReturn, h, {}); }));
        const QStringList before = wholeBooks();
        for (const QString& number : {QStringLiteral("T0000001"), QStringLiteral("R0000009")}) {
            const SlipOutcome outcome = write([&](DbSession& s) {
                return PaySlip(s, SlipDesigns::StockIn, number, amount(QStringLiteral("10")), QStringLiteral("管理员"),
                               VarnholtTestCase::defaultNow());
            });
            QCOMPARE(outcomeText(outcome), QStringLiteral("not found"));
        }
        QCOMPARE(wholeBooks(), before);
    }
};

VARNHOLT_TEST(TestSlipPayment)
#include "tst_slippayment.moc"

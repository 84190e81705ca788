#include "expensebook.h"
#include "fixture.h"
#include "slipbooks.h"

using namespace SlipBooks;

namespace {
// The seven amounts and the total, as texts.
QList<Amount> amounts(const QStringList& texts)
{
    QList<Amount> list;
    for (const QString& text : texts)
        list << Amount::fromText(text);
    return list;
}

QString add(const QString& number, const QList<Amount>& entryAmounts)
{
    const ExpenseBook::Entry entry{number, QDate(2024, 3, 5), QStringLiteral("管理员"), entryAmounts, QStringLiteral("-")};
    return outcomeText(write([&](DbSession& s) { return ExpenseBook::add(s, entry); }));
}

QString change(const QList<Amount>& changed)
{
    ExpenseBook::Change change{{}, QStringLiteral("-")};
    for (const Amount& amount : changed)
        change.amounts << amount.toDouble();
    return outcomeText(write([&](DbSession& s) { return ExpenseBook::change(s, QStringLiteral("Z0000001"), change); }));
}

QString pastLimit(const char* column)
{
    return QStringLiteral("refused: %1不能大于[99999999999.99]。").arg(QString::fromUtf8(column));
}
}

// An expense whose amounts or total would pass the book limit is neither
// added nor written over an entry: the statement would show it as profit.
class TestExpenseBook : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void amountsPastTheBookLimit_data()
    {
        QTest::addColumn<QList<Amount>>("amounts");
        QTest::addColumn<QString>("outcome");
        const QString limit = QStringLiteral("99999999999.99");
        const QString half = QStringLiteral("60000000000");
        QTest::newRow("at the limit") << amounts({limit, "0", "0", "0", "0", "0", "0", limit}) << "done";
        QTest::newRow("an amount past") << amounts({"0", "1e15", "0", "0", "0", "0", "0", "1e15"}) << pastLimit("水费");
        QTest::newRow("a total past") << amounts({half, "0", "0", "0", "0", "0", half, "120000000000"}) << pastLimit("费用总额");
        QTest::newRow("amounts summing past a total in range")
            << amounts({half, "0", "0", "0", "0", "0", half, "1"}) << pastLimit("费用总额");
    }
    void amountsPastTheBookLimit()
    {
        QFETCH(QList<Amount>, amounts);
        QFETCH(QString, outcome);
        QCOMPARE(add(QStringLiteral("Z0000001"), ::amounts({"10", "0", "0", "0", "0", "0", "0", "10"})), QStringLiteral("done"));
        const QStringList before = wholeBooks();
        QCOMPARE(add(QStringLiteral("Z0000002"), amounts), outcome);
        if (outcome != QStringLiteral("done")) {
            QCOMPARE(wholeBooks(), before);
            QCOMPARE(change(amounts), outcome);
            QCOMPARE(wholeBooks(), before);
        }
    }
};

VARNHOLT_TEST(TestExpenseBook)
#include "tst_expensebook.moc"

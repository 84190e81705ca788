#include "amount.h"
#include "fixture.h"
#include "module2.h"

#include <QLocale>
#include <QRandomGenerator>
#include <cmath>

class TestAmount : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void fromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("plain");
        QTest::newRow("whole") << "12" << "12";
        QTest::newRow("money text") << "-30.00" << "-30";
        QTest::newRow("leading number") << "12.5元" << "12.5";
        QTest::newRow("grouping commas") << "1,234.5" << "1234.5";
        QTest::newRow("blanks dropped") << " 7 5" << "75";
        QTest::newRow("no number") << "abc" << "0";
        QTest::newRow("empty") << "" << "0";
        QTest::newRow("fifth decimal rounds half away") << "-3.45675" << "-3.4568";
        QTest::newRow("exponent") << "1.5e-2" << "0.015";
        QTest::newRow("beyond the range") << "1e30" << "0";
    }
    void fromText()
    {
        QFETCH(QString, text);
        QFETCH(QString, plain);
        QCOMPARE(Amount::fromText(text).toPlainText(), plain);
    }

    // The shortest text of a stored double is what rounds, as FormatMoney rounds it.
    void fromNumber_data()
    {
        QTest::addColumn<double>("number");
        QTest::addColumn<QString>("money");
        QTest::newRow("half on the decimal text") << 2.675 << "2.68";
        QTest::newRow("negative half") << -2.675 << "-2.68";
        QTest::newRow("sum of doubles") << 0.1 + 0.2 << "0.30";
        QTest::newRow("small negative") << -0.004 << "0.00";
        QTest::newRow("half a cent from zero") << -0.005 << "-0.01";
        QTest::newRow("carry") << 9.995 << "10.00";
        QTest::newRow("large") << 1234567.891 << "1234567.89";
        QTest::newRow("not a number") << std::nan("") << "0.00";
    }
    void fromNumber()
    {
        QFETCH(double, number);
        QFETCH(QString, money);
        QCOMPARE(Amount::fromNumber(number).toMoneyText(), money);
        QCOMPARE(Amount::fromNumber(number).toMoneyText(), Module2::FormatMoney(number));
    }

    // Read from its digits, a stored double keeps four decimals exactly as
    // its shortest text read back does, in fixed and in exponent form.
    void fromNumberKeepsFourDecimalsOfItsText_data()
    {
        QTest::addColumn<double>("number");
        QTest::newRow("half on the fifth decimal") << 2.67505;
        QTest::newRow("negative half on the fifth") << -2.67505;
        QTest::newRow("below half") << 0.00004;
        QTest::newRow("exponent, half") << 5e-05;
        QTest::newRow("exponent, whole") << 100000.0;
        QTest::newRow("carry into the integer") << 9.99995;
        QTest::newRow("sum of doubles") << 0.1 + 0.2;
        QTest::newRow("many integer digits") << 12345678901234.5;
        QTest::newRow("beyond the quick reading") << 123456789012345.6;
        QTest::newRow("negative zero") << -0.0;
    }
    void fromNumberKeepsFourDecimalsOfItsText()
    {
        QFETCH(double, number);
        const Amount expected = Amount::fromText(QString::number(number, 'g', QLocale::FloatingPointShortest));
        QCOMPARE(Amount::fromNumber(number).tenThousandths(), expected.tenThousandths());
    }

    // Stored amounts of every size and up to six decimals, halves included:
    // each keeps the four decimals of its shortest text.
    void fromNumberAgreesWithItsTextEverywhere()
    {
        QRandomGenerator random(20261210);
        for (int i = 0; i < 200000; ++i) {
            const qint64 millionths = qint64(random.generate64() % 2000000000000000ULL) - 1000000000000000LL;
            // NOLINTNEXTLINE(bugprone-integer-division): the division drops digits on purpose
            const double number = double(millionths / qint64(std::pow(10, random.bounded(10)))) / 1e6;
            const Amount expected = Amount::fromText(QString::number(number, 'g', QLocale::FloatingPointShortest));
            QCOMPARE(Amount::fromNumber(number).tenThousandths(), expected.tenThousandths());
        }
    }

    void fromValue()
    {
        QCOMPARE(Amount::fromValue(QVariant()).toPlainText(), QStringLiteral("0"));
        QCOMPARE(Amount::fromValue(QVariant(qint64(42))).toPlainText(), QStringLiteral("42"));
        QCOMPARE(Amount::fromValue(QVariant(12.5)).toPlainText(), QStringLiteral("12.5"));
        QCOMPARE(Amount::fromValue(QVariant(QStringLiteral("8.25"))).toPlainText(), QStringLiteral("8.25"));
    }

    void sumsAreExact()
    {
        Amount sum;
        double doubles = 0;
        for (int i = 0; i < 1000; ++i) {
            sum += Amount::fromText(QStringLiteral("0.10"));
            doubles += 0.1;
        }
        QVERIFY(doubles != 100.0);
        QCOMPARE(sum, Amount::whole(100));
        QCOMPARE((sum - Amount::fromText(QStringLiteral("100.01"))).toMoneyText(), QStringLiteral("-0.01"));
        QCOMPARE((-sum).toPlainText(), QStringLiteral("-100"));
        QVERIFY(Amount::fromText(QStringLiteral("-0.01")) < Amount());
    }

    void texts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("money");
        QTest::addColumn<QString>("whole");
        QTest::addColumn<QString>("plain");
        QTest::newRow("points of a total") << "123.50" << "123.50" << "124" << "123.5";
        QTest::newRow("negative half") << "-2.5" << "-2.50" << "-3" << "-2.5";
        QTest::newRow("never minus zero") << "-0.0049" << "0.00" << "0" << "-0.0049";
        QTest::newRow("half a cent") << "10.005" << "10.01" << "10" << "10.005";
        QTest::newRow("zero") << "0" << "0.00" << "0" << "0";
    }
    void texts()
    {
        QFETCH(QString, text);
        const Amount amount = Amount::fromText(text);
        QTEST(amount.toMoneyText(), "money");
        QTEST(amount.toWholeText(), "whole");
        QTEST(amount.toPlainText(), "plain");
        QCOMPARE(amount.toMoneyText(), Module2::FormatMoney(text));
        QCOMPARE(amount.toWholeText(), Module2::FormatInt(text));
    }

    void productAndQuotient_data()
    {
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("expected");
        const auto a = [](const char* text) { return Amount::fromText(QString::fromLatin1(text)); };
        QTest::newRow("quantity times price") << Amount::product(a("2"), a("12.5")).toPlainText() << "25";
        QTest::newRow("one rounding of three factors")
            << Amount::product(a("0.99"), a("0.05"), a("0.1"), 2).toMoneyText() << "0.00";
        QTest::newRow("four decimals kept") << Amount::product(a("0.99"), a("0.05")).toPlainText() << "0.0495";
        QTest::newRow("negative product") << Amount::product(a("-5"), a("4.25"), 2).toMoneyText() << "-21.25";
        QTest::newRow("average cost") << Amount::quotient(a("46"), a("3"), 2).toMoneyText() << "15.33";
        QTest::newRow("negative quotient") << Amount::quotient(a("-1"), a("3"), 2).toMoneyText() << "-0.33";
        QTest::newRow("half a cent up") << Amount::quotient(a("0.01"), a("2"), 2).toMoneyText() << "0.01";
        QTest::newRow("by zero") << Amount::quotient(a("5"), a("0"), 2).toMoneyText() << "0.00";
        QTest::newRow("rounded to whole") << a("-7.5").rounded(0).toPlainText() << "-8";
    }
    void productAndQuotient()
    {
        QFETCH(QString, result);
        QFETCH(QString, expected);
        QCOMPARE(result, expected);
    }
};

VARNHOLT_TEST(TestAmount)
#include "tst_amount.moc"

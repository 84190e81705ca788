#include "amount.h"
#include "fixture.h"
#include "module2.h"

#include <QLocale>
#include <QRandomGenerator>
#include <cmath>
#include <limits>

class TestAmount : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void fromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("plain");
        QTest::newRow("whole") << "12"
                               << "12";
        QTest::newRow("money text") << "-30.00"
                                    << "-30";
        QTest::newRow("leading number") << "12.5元"
                                        << "12.5";
        QTest::newRow("grouping commas") << "1,234.5"
                                         << "1234.5";
        QTest::newRow("blanks dropped") << " 7 5"
                                        << "75";
        QTest::newRow("no number") << "abc"
                                   << "0";
        QTest::newRow("empty") << ""
                               << "0";
        QTest::newRow("fifth decimal rounds half away") << "-3.45675"
                                                        << "-3.4568";
        QTest::newRow("exponent") << "1.5e-2"
                                  << "0.015";
        QTest::newRow("beyond the range") << "1e30" << Amount::outOfRangeText();
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
        QTest::newRow("points of a total") << "123.50"
                                           << "123.50"
                                           << "124"
                                           << "123.5";
        QTest::newRow("negative half") << "-2.5"
                                       << "-2.50"
                                       << "-3"
                                       << "-2.5";
        QTest::newRow("never minus zero") << "-0.0049"
                                          << "0.00"
                                          << "0"
                                          << "-0.0049";
        QTest::newRow("half a cent") << "10.005"
                                     << "10.01"
                                     << "10"
                                     << "10.005";
        QTest::newRow("zero") << "0"
                              << "0.00"
                              << "0"
                              << "0";
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
        QTest::newRow("a percentage, rounded once")
            << Amount::percentOf(a("1000"), a("100"), a("12.345"), 2).toMoneyText() << "12345.00";
        QTest::newRow("a product added, rounded once")
            << Amount::plusProduct(a("100"), a("7.52"), a("11.3238"), 2).toMoneyText() << "185.15";
        QTest::newRow("a product taken off, rounded once")
            << Amount::plusProduct(a("185.15"), a("-7.52"), a("11.3238"), 2).toMoneyText() << "100.00";
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

    // A box's text against the box limit, or the book limit where named.
    void read_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("bookLimit");
        QTest::addColumn<Amount::Reading::State>("state");
        QTest::addColumn<QString>("plain");
        using State = Amount::Reading::State;
        QTest::newRow("box limit") << "999999999.99" << false << State::Number << "999999999.99";
        QTest::newRow("negative box limit") << "-999,999,999.99" << false << State::Number << "-999999999.99";
        QTest::newRow("a fraction past the box limit") << "999999999.991" << false << State::TooLarge << "0";
        QTest::newRow("past the box limit") << "1000000000" << false << State::TooLarge << "0";
        QTest::newRow("book limit") << "99999999999.99" << true << State::Number << "99999999999.99";
        QTest::newRow("past the book limit") << "100000000000" << true << State::TooLarge << "0";
        QTest::newRow("more than a 64-bit integer") << "99999999999999999999" << false << State::TooLarge << "0";
        QTest::newRow("exponent") << "1e300" << false << State::TooLarge << "0";
        QTest::newRow("more than a double") << "-1e309" << true << State::TooLarge << "0";
        QTest::newRow("letters") << "abc" << false << State::NoNumber << "0";
        QTest::newRow("empty") << "" << false << State::NoNumber << "0";
        QTest::newRow("not a number") << "NaN" << false << State::NoNumber << "0";
        QTest::newRow("infinity") << "inf" << false << State::NoNumber << "0";
        QTest::newRow("leading number") << "12abc" << false << State::Number << "12";
        QTest::newRow("full-width") << "－１，２３４．５" << false << State::Number << "-1234.5";
        QTest::newRow("full-width past the limit") << "１０００００００００" << false << State::TooLarge << "0";
    }
    void read()
    {
        QFETCH(QString, text);
        QFETCH(bool, bookLimit);
        const auto reading = bookLimit ? Amount::read(text, Amount::bookLimit()) : Amount::read(text);
        QTEST(reading.state, "state");
        QTEST(reading.value.toPlainText(), "plain");
        if (reading.state == Amount::Reading::State::TooLarge && bookLimit)
            QVERIFY(Amount::fromText(text).isOutOfRange());
    }

    // Sums and products at the edges of the book limit; past it a figure is
    // out of range, and stays so through whatever follows.
    void bookLimit_data()
    {
        QTest::addColumn<Amount>("result");
        QTest::addColumn<QString>("plain");
        const auto a = [](const char* text) { return Amount::fromText(QString::fromLatin1(text)); };
        const Amount cent = a("0.01");
        const Amount limit = Amount::bookLimit();
        const Amount past = limit + cent;
        const QString out = Amount::outOfRangeText();
        QTest::newRow("limit") << limit << "99999999999.99";
        QTest::newRow("a cent past") << past << out;
        QTest::newRow("a cent below the negative limit") << -limit - cent << out;
        QTest::newRow("back below the limit") << limit - cent + cent << "99999999999.99";
        QTest::newRow("two halves of a wrapped total") << a("50000000000") + a("50000000000") << out;
        QTest::newRow("box limit squared") << Amount::product(Amount::boxLimit(), Amount::boxLimit()) << out;
        QTest::newRow("product in range") << Amount::product(a("99999.99"), a("999999.99")) << "99999989000.0001";
        QTest::newRow("product reaching 10^11") << Amount::product(a("1000000000"), a("100"), 2) << out;
        QTest::newRow("product a cent below") << Amount::product(a("9999999999.999"), a("10"), 2) << "99999999999.99";
        QTest::newRow("three factors past 128 bits") << Amount::product(limit, limit, -limit) << out;
        QTest::newRow("three factors in range") << Amount::product(a("1000"), a("1000"), a("99999.99")) << "99999990000";
        QTest::newRow("percentage past 128 bits") << Amount::percentOf(limit, limit, limit, 2) << out;
        QTest::newRow("percentage past the limit") << Amount::percentOf(a("1000000000"), a("1000"), a("1000"), 2) << out;
        QTest::newRow("product added past the limit") << Amount::plusProduct(limit, a("0.01"), a("1"), 2) << out;
        QTest::newRow("quotient past") << Amount::quotient(limit, a("0.5")) << out;
        QTest::newRow("sticky sum") << past - past << out;
        QTest::newRow("sticky negation") << -past << out;
        QTest::newRow("sticky product by zero") << Amount::product(past, Amount()) << out;
        QTest::newRow("sticky quotient") << Amount::quotient(Amount::whole(1), past) << out;
        QTest::newRow("sticky rounding") << past.rounded(2) << out;
        QTest::newRow("limit rounded whole stays a figure") << limit.rounded(0) << "100000000000";
        QTest::newRow("units past") << Amount::fromTenThousandths(Amount::BookLimitUnits + 1) << out;
        QTest::newRow("whole past") << Amount::whole(std::numeric_limits<qint64>::max()) << out;
    }
    void bookLimit()
    {
        QFETCH(Amount, result);
        QFETCH(QString, plain);
        QCOMPARE(result.toPlainText(), plain);
        QCOMPARE(result.isOutOfRange(), plain == Amount::outOfRangeText());
    }

    // Out of range shows no figure and binds no figure: NaN is stored as NULL.
    void outOfRangeShowsNoFigure()
    {
        const Amount past = Amount::bookLimit() + Amount::whole(1);
        QCOMPARE(past.toMoneyText(), Amount::outOfRangeText());
        QCOMPARE(past.toWholeText(), Amount::outOfRangeText());
        QVERIFY(std::isnan(past.toDouble()));
        QCOMPARE(Amount::bookLimit().toDouble(), 99999999999.99);
    }

    void storedValuesPastTheLimit_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("plain");
        const QString out = Amount::outOfRangeText();
        QTest::newRow("a sale of 1e15") << QVariant(1e15) << out;
        QTest::newRow("1e300") << QVariant(1e300) << out;
        QTest::newRow("infinity") << QVariant(std::numeric_limits<double>::infinity()) << out;
        QTest::newRow("negative infinity") << QVariant(-std::numeric_limits<double>::infinity()) << out;
        QTest::newRow("NaN, as NULL") << QVariant(std::nan("")) << "0";
        QTest::newRow("the limit") << QVariant(99999999999.99) << "99999999999.99";
        QTest::newRow("large integer") << QVariant(qint64(1) << 62) << out;
        QTest::newRow("digits past 64 bits") << QVariant(QStringLiteral("99999999999999999999")) << out;
    }
    void storedValuesPastTheLimit()
    {
        QFETCH(QVariant, stored);
        QTEST(Amount::fromValue(stored).toPlainText(), "plain");
    }
};

VARNHOLT_TEST(TestAmount)
#include "tst_amount.moc"

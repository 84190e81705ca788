#pragma once
#include <QString>
#include <QVariant>
#include <compare>
#include <limits>

// A money amount or a goods quantity in fixed point: whole ten-thousandths,
// so sums and differences are exact where adding doubles drifts. Made from a
// stored number or a shown text and rounded half away from zero on its
// decimal digits, as FormatMoney rounds. The columns stay REAL: a value is
// bound as toDouble() and read back with fromNumber().
//
// No figure the books hold passes the book limit, which keeps every one
// exact in a double. Whatever would pass it (a sum, a product, a text or a
// stored number) is out of range, and stays so through further arithmetic:
// it is never wrapped or read as 0.
class Amount {
public:
    static constexpr qint64 Scale = 10000;
    // 999,999,999.99: the largest figure a box takes.
    static constexpr qint64 BoxLimitUnits = 9'999'999'999'900;
    // 99,999,999,999.99: the largest figure the books compute or store.
    static constexpr qint64 BookLimitUnits = 999'999'999'999'900;

    constexpr Amount() = default;
    // Out of range past the book limit.
    static constexpr Amount fromTenThousandths(qint64 units)
    {
        return units < -BookLimitUnits || units > BookLimitUnits ? outOfRange() : raw(units);
    }
    static constexpr Amount whole(qint64 value)
    {
        return value < -BookLimitUnits / Scale || value > BookLimitUnits / Scale ? outOfRange() : raw(value * Scale);
    }
    static constexpr Amount boxLimit() { return raw(BoxLimitUnits); }
    static constexpr Amount bookLimit() { return raw(BookLimitUnits); }
    // What a sum past the limit gives: for a sum the engine could not make.
    static constexpr Amount outOfRange() { return raw(OutOfRangeUnits); }

    // A number as its shortest text shows it (2.675, not 2.67499...), to four
    // decimals. NaN, which a column stores as NULL, is 0; infinities are out of range.
    static Amount fromNumber(double value);
    // The number of a shown text: its leading number, blanks and grouping
    // commas read ("12.5元" is 12.5, "1,234.5" is 1234.5), 0 when it has none.
    static Amount fromText(const QString& text);
    // A stored value: a number, the leading number of a text, NULL as 0.
    static Amount fromValue(const QVariant& value);

    // A box's text read against a limit: a value, no leading number (value 0,
    // as fromText gives), or too large (past the limit, or past what a double
    // holds). Full-width digits, point, minus and comma read as ASCII.
    struct Reading;
    static Reading read(const QString& text, Amount limit = boxLimit());

    // The statement text that reads a stored column as a whole number of
    // ten-thousandths: "sum(" + unitsOf(column) + ")" adds them exactly, and
    // the engine raises an error where such a sum would wrap. Read it back
    // with fromTenThousandths(value.toLongLong()).
    static QString unitsOf(const QString& column);

    constexpr bool isOutOfRange() const { return m_units == OutOfRangeUnits; }
    constexpr qint64 tenThousandths() const { return m_units; }
    // NaN when out of range, never a figure the books would take for one.
    double toDouble() const;
    constexpr bool isZero() const { return m_units == 0; }

    // Rounded half away from zero to 0 to 4 decimals.
    Amount rounded(int decimals) const;
    // "0.00" and "0", rounded as FormatMoney and FormatInt round; never "-0.00".
    // Out of range, each shows OutOfRangeText.
    QString toMoneyText() const;
    QString toWholeText() const;
    // The plain text of the value: "12.5", "-30", "0".
    QString toPlainText() const;
    static QString outOfRangeText();

    constexpr Amount operator-() const { return isOutOfRange() ? *this : raw(-m_units); }
    constexpr Amount& operator+=(Amount other)
    {
        // Both magnitudes are within the book limit: their sum cannot wrap.
        *this = isOutOfRange() || other.isOutOfRange() ? outOfRange() : fromTenThousandths(m_units + other.m_units);
        return *this;
    }
    constexpr Amount& operator-=(Amount other) { return *this += -other; }
    friend constexpr Amount operator+(Amount a, Amount b) { return a += b; }
    friend constexpr Amount operator-(Amount a, Amount b) { return a -= b; }
    friend constexpr auto operator<=>(Amount, Amount) = default;

    // a x b (x c), one rounding to the given decimals.
    static Amount product(Amount a, Amount b, int decimals = 4);
    static Amount product(Amount a, Amount b, Amount c, int decimals = 4);
    // a x b x percent / 100, exact until its one rounding to the given decimals.
    static Amount percentOf(Amount a, Amount b, Amount percent, int decimals);
    // base + a x b, the product kept exact until the sum's one rounding.
    static Amount plusProduct(Amount base, Amount a, Amount b, int decimals);
    // a / b rounded to the given decimals; 0 when b is 0.
    static Amount quotient(Amount a, Amount b, int decimals = 4);

private:
    static constexpr qint64 OutOfRangeUnits = std::numeric_limits<qint64>::min();
    static constexpr Amount raw(qint64 units)
    {
        Amount amount;
        amount.m_units = units;
        return amount;
    }

    qint64 m_units = 0;
};

struct Amount::Reading {
    enum class State { Number, NoNumber, TooLarge } state;
    Amount value;
};

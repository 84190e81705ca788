#pragma once
#include <QString>
#include <QVariant>
#include <compare>

// A money amount or a goods quantity in fixed point: whole ten-thousandths,
// so sums and differences are exact where adding doubles drifts. Made from a
// stored number or a shown text and rounded half away from zero on its
// decimal digits, as FormatMoney rounds. The columns stay REAL: a value is
// bound as toDouble() and read back with fromNumber().
class Amount {
public:
    static constexpr qint64 Scale = 10000;

    constexpr Amount() = default;
    static constexpr Amount fromTenThousandths(qint64 units)
    {
        Amount amount;
        amount.m_units = units;
        return amount;
    }
    static constexpr Amount whole(qint64 value) { return fromTenThousandths(value * Scale); }
    // A number as its shortest text shows it (2.675, not 2.67499...), to four decimals.
    static Amount fromNumber(double value);
    // The number of a shown text: its leading number, blanks and grouping
    // commas read ("12.5元" is 12.5, "1,234.5" is 1234.5), 0 when it has none.
    static Amount fromText(const QString& text);
    // A stored value: a number, the leading number of a text, NULL as 0.
    static Amount fromValue(const QVariant& value);
    // The statement text that reads a stored column as a whole number of
    // ten-thousandths. Such numbers add up exactly (to 900 billion), where
    // adding the stored doubles would drift: "sum(" + unitsOf(column) + ")"
    // is read back with fromTenThousandths(value.toLongLong()).
    static QString unitsOf(const QString& column);

    constexpr qint64 tenThousandths() const { return m_units; }
    double toDouble() const { return double(m_units) / Scale; }
    constexpr bool isZero() const { return m_units == 0; }

    // Rounded half away from zero to 0 to 4 decimals.
    Amount rounded(int decimals) const;
    // "0.00" and "0", rounded as FormatMoney and FormatInt round; never "-0.00".
    QString toMoneyText() const;
    QString toWholeText() const;
    // The plain text of the value: "12.5", "-30", "0".
    QString toPlainText() const;

    constexpr Amount operator-() const { return fromTenThousandths(-m_units); }
    constexpr Amount& operator+=(Amount other)
    {
        m_units += other.m_units;
        return *this;
    }
    constexpr Amount& operator-=(Amount other)
    {
        m_units -= other.m_units;
        return *this;
    }
    friend constexpr Amount operator+(Amount a, Amount b) { return a += b; }
    friend constexpr Amount operator-(Amount a, Amount b) { return a -= b; }
    friend constexpr auto operator<=>(Amount, Amount) = default;

    // a x b (x c), one rounding to the given decimals.
    static Amount product(Amount a, Amount b, int decimals = 4);
    static Amount product(Amount a, Amount b, Amount c, int decimals = 4);
    // a / b rounded to the given decimals; 0 when b is 0.
    static Amount quotient(Amount a, Amount b, int decimals = 4);

private:
    qint64 m_units = 0;
};

#include "amount.h"
#include "decimaltext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <initializer_list>
#include <optional>

namespace {
using Wide = __int128;

constexpr Amount OutOfRange = Amount::outOfRange();

constexpr qint64 powerOfTen(int exponent)
{
    qint64 power = 1;
    while (exponent-- > 0)
        power *= 10;
    return power;
}

// n / d rounded half away from zero.
Wide roundedQuotient(Wide n, Wide d)
{
    Wide q = n / d;
    const Wide r = n % d;
    const Wide twice = r < 0 ? -2 * r : 2 * r;
    if (twice >= (d < 0 ? -d : d))
        q += (n < 0) != (d < 0) ? -1 : 1;
    return q;
}

Amount checked(Wide units)
{
    return units < -Amount::BookLimitUnits || units > Amount::BookLimitUnits ? OutOfRange
                                                                             : Amount::fromTenThousandths(qint64(units));
}

bool anyOutOfRange(std::initializer_list<Amount> amounts)
{
    return std::any_of(amounts.begin(), amounts.end(), [](Amount a) { return a.isOutOfRange(); });
}

// The ten-thousandths of a number; none when it is 10^12 or more, past every
// limit (which spares "1e999999" a text of a million digits).
std::optional<qint64> unitsOfDecimal(const DecimalNumber& number)
{
    if (!number.digits.isEmpty() && number.point > 12)
        return std::nullopt;
    QString text = DecimalText::fixed(number, 4);
    text.remove(QLatin1Char('.'));
    return text.toLongLong();
}

Amount fromDecimal(const DecimalNumber& number)
{
    const auto units = unitsOfDecimal(number);
    return units ? Amount::fromTenThousandths(*units) : OutOfRange;
}

Amount scaled(Wide product, int productDecimals, int decimals)
{
    return checked(roundedQuotient(product, powerOfTen(productDecimals - decimals)) * powerOfTen(4 - decimals));
}

// Three factors exact, rounded once from productDecimals to decimals.
Amount productOfThree(Amount a, Amount b, Amount c, int productDecimals, int decimals)
{
    if (anyOutOfRange({a, b, c}))
        return OutOfRange;
    // Three factors within the book limit can pass 128 bits: such a product
    // is far past the limit anyway.
    Wide units;
    if (__builtin_mul_overflow(Wide(a.tenThousandths()) * b.tenThousandths(), Wide(c.tenThousandths()), &units))
        return OutOfRange;
    return scaled(units, productDecimals, decimals);
}

// The ten-thousandths of a number's shortest text as to_chars writes it
// ("-12.675", "1e+05", "5e-05"), rounded half away from zero on its digits as
// DecimalText::fixed rounds; none when it is too long for the quick reading.
// Lists sum thousands of stored values: this spares each one the texts.
std::optional<qint64> shortestTextUnits(const char* p, const char* end)
{
    const bool negative = p != end && *p == '-';
    if (negative)
        ++p;
    char digits[32];
    int count = 0;
    int point = -1;
    for (; p != end && ((*p >= '0' && *p <= '9') || *p == '.'); ++p) {
        if (*p == '.') {
            point = count;
        } else if (count == int(sizeof digits)) {
            return std::nullopt;
        } else {
            digits[count++] = *p;
        }
    }
    if (point < 0)
        point = count;
    if (p != end) {
        if (*p++ != 'e')
            return std::nullopt;
        if (p != end && *p == '+')
            ++p;
        int exponent = 0;
        const auto read = std::from_chars(p, end, exponent);
        if (read.ec != std::errc() || read.ptr != end)
            return std::nullopt;
        point += exponent;
    }
    // The digits kept for four decimals; 18 stay within a qint64.
    const int keep = point + 4;
    if (keep > 18)
        return std::nullopt;
    if (keep < 0)
        return 0;
    qint64 units = 0;
    for (int i = 0; i < keep; ++i)
        units = units * 10 + (i < count ? digits[i] - '0' : 0);
    if (keep < count && digits[keep] >= '5')
        ++units;
    return negative ? -units : units;
}

QString fixedText(qint64 units, int decimals)
{
    const bool negative = units < 0;
    const quint64 magnitude = negative ? quint64(-(units + 1)) + 1 : quint64(units);
    QString text = QString::number(magnitude / Amount::Scale);
    if (decimals > 0) {
        const QString fraction = QStringLiteral("%1").arg(magnitude % Amount::Scale, 4, 10, QLatin1Char('0'));
        text += QLatin1Char('.') + fraction.left(decimals);
    }
    return negative && magnitude != 0 ? QLatin1Char('-') + text : text;
}
}

Amount Amount::fromNumber(double value)
{
    if (std::isnan(value))
        return {};
    if (std::isinf(value))
        return outOfRange();
    // Away from a half, the scaled double rounds as its shortest text does:
    // below 1e12 the two differ by less than 0.001 of a ten-thousandth.
    const double scaledValue = value * double(Scale);
    if (std::abs(scaledValue) < 1e12) {
        const double nearest = std::round(scaledValue);
        if (std::abs(scaledValue - nearest) < 0.499)
            return fromTenThousandths(qint64(nearest));
    }
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    if (const auto units = shortestTextUnits(buffer, end))
        return fromTenThousandths(*units);
    return fromDecimal(DecimalText::readNumber(QString::fromLatin1(buffer, end - buffer)).number);
}

Amount Amount::fromText(const QString& text)
{
    const Reading reading = read(text, bookLimit());
    return reading.state == Reading::State::TooLarge ? outOfRange() : reading.value;
}

Amount Amount::fromValue(const QVariant& value)
{
    if (value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
        return whole(value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return fromNumber(value.toDouble());
    default:
        return fromText(value.toString());
    }
}

Amount::Reading Amount::read(const QString& text, Amount limit)
{
    QString packed;
    packed.reserve(text.size());
    for (const QChar c : text) {
        if (!c.isSpace())
            packed += c;
    }
    const DecimalText::Reading number = DecimalText::readNumber(packed);
    if (!number.found)
        return {Reading::State::NoNumber, {}};
    const auto units = unitsOfDecimal(number.number);
    if (!units || *units < -limit.m_units || *units > limit.m_units)
        return {Reading::State::TooLarge, {}};
    return {Reading::State::Number, fromTenThousandths(*units)};
}

QString Amount::unitsOf(const QString& column)
{
    // An integer per row, so that the engine's sum is exact and checked.
    return QStringLiteral("CAST(round(%1 * %2) AS INTEGER)").arg(column).arg(Scale);
}

double Amount::toDouble() const { return isOutOfRange() ? std::numeric_limits<double>::quiet_NaN() : double(m_units) / Scale; }

// Rounding the book limit to whole units passes it by less than one unit:
// the result is still a figure, not out of range.
Amount Amount::rounded(int decimals) const
{
    if (isOutOfRange())
        return *this;
    const qint64 step = powerOfTen(4 - decimals);
    return raw(qint64(roundedQuotient(m_units, step)) * step);
}

QString Amount::outOfRangeText() { return QStringLiteral("超出范围"); }

QString Amount::toMoneyText() const { return isOutOfRange() ? outOfRangeText() : fixedText(rounded(2).m_units, 2); }

QString Amount::toWholeText() const { return isOutOfRange() ? outOfRangeText() : fixedText(rounded(0).m_units, 0); }

QString Amount::toPlainText() const
{
    if (isOutOfRange())
        return outOfRangeText();
    QString text = fixedText(m_units, 4);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

Amount Amount::product(Amount a, Amount b, int decimals)
{
    return anyOutOfRange({a, b}) ? OutOfRange : scaled(Wide(a.m_units) * b.m_units, 8, decimals);
}

Amount Amount::product(Amount a, Amount b, Amount c, int decimals) { return productOfThree(a, b, c, 12, decimals); }

Amount Amount::percentOf(Amount a, Amount b, Amount percent, int decimals)
{
    // Twelve decimals of the product, two more for the hundredth.
    return productOfThree(a, b, percent, 14, decimals);
}

Amount Amount::plusProduct(Amount base, Amount a, Amount b, int decimals)
{
    if (anyOutOfRange({base, a, b}))
        return OutOfRange;
    return scaled(Wide(base.m_units) * Scale + Wide(a.m_units) * b.m_units, 8, decimals);
}

Amount Amount::quotient(Amount a, Amount b, int decimals)
{
    if (anyOutOfRange({a, b}))
        return OutOfRange;
    if (b.m_units == 0)
        return {};
    return checked(roundedQuotient(Wide(a.m_units) * powerOfTen(decimals), b.m_units) * powerOfTen(4 - decimals));
}

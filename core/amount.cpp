#include "amount.h"
#include "decimaltext.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace {
using Wide = __int128;

constexpr qint64 powerOfTen(int exponent)
{
    qint64 power = 1;
    while (exponent-- > 0)
        power *= 10;
    return power;
}

// n / d rounded half away from zero.
qint64 roundedQuotient(Wide n, Wide d)
{
    Wide q = n / d;
    const Wide r = n % d;
    const Wide twice = r < 0 ? -2 * r : 2 * r;
    if (twice >= (d < 0 ? -d : d))
        q += (n < 0) != (d < 0) ? -1 : 1;
    return qint64(q);
}

Amount fromDecimal(const DecimalNumber& number)
{
    QString text = DecimalText::fixed(number, 4);
    text.remove(QLatin1Char('.'));
    bool ok = false;
    const qint64 units = text.toLongLong(&ok);
    return ok ? Amount::fromTenThousandths(units) : Amount();
}

Amount scaled(Wide product, int productDecimals, int decimals)
{
    const qint64 step = powerOfTen(4 - decimals);
    return Amount::fromTenThousandths(roundedQuotient(product, powerOfTen(productDecimals - decimals)) * step);
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
    if (!std::isfinite(value))
        return {};
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
    DecimalNumber number;
    if (!DecimalText::readWholeNumber(QString::fromLatin1(buffer, end - buffer), number))
        return {};
    return fromDecimal(number);
}

Amount Amount::fromText(const QString& text) { return fromDecimal(DecimalText::leadingNumber(text)); }

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

QString Amount::unitsOf(const QString& column)
{
    // The engine rounds each value to an integral double: no conversion per row.
    return QStringLiteral("round(%1 * %2)").arg(column).arg(Scale);
}

Amount Amount::rounded(int decimals) const { return scaled(m_units, 4, decimals); }

QString Amount::toMoneyText() const { return fixedText(rounded(2).m_units, 2); }

QString Amount::toWholeText() const { return fixedText(rounded(0).m_units, 0); }

QString Amount::toPlainText() const
{
    QString text = fixedText(m_units, 4);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

Amount Amount::product(Amount a, Amount b, int decimals) { return scaled(Wide(a.m_units) * b.m_units, 8, decimals); }

Amount Amount::product(Amount a, Amount b, Amount c, int decimals)
{
    return scaled(Wide(a.m_units) * b.m_units * c.m_units, 12, decimals);
}

Amount Amount::quotient(Amount a, Amount b, int decimals)
{
    if (b.m_units == 0)
        return {};
    return fromTenThousandths(roundedQuotient(Wide(a.m_units) * powerOfTen(decimals), b.m_units) * powerOfTen(4 - decimals));
}

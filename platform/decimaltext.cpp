#include "decimaltext.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace {
bool isDigit(const QString& text, qsizetype i)
{
    return i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9');
}

void increment(QString& digits)
{
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != QLatin1Char('9')) {
            digits[i] = QChar(digits[i].unicode() + 1);
            return;
        }
        digits[i] = QLatin1Char('0');
    }
    digits.prepend(QLatin1Char('1'));
}

}

namespace DecimalText {

QString foldFullWidth(const QString& text)
{
    // U+FF01 to U+FF5E mirror ASCII '!' to '~'.
    constexpr char16_t first = 0xFF01, last = 0xFF5E, offset = 0xFF01 - u'!';
    QString folded = text;
    for (QChar& c : folded) {
        if (c.unicode() >= first && c.unicode() <= last)
            c = QChar(char16_t(c.unicode() - offset));
    }
    return folded;
}

Reading readNumber(const QString& typed)
{
    const QString text = foldFullWidth(typed);
    Reading r;
    qsizetype i = 0;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        r.number.negative = text[i] == QLatin1Char('-');
        ++i;
    }
    QString mantissa;
    int integerDigits = 0;
    while (isDigit(text, i) || (i < text.size() && text[i] == QLatin1Char(',') && integerDigits > 0 && isDigit(text, i + 1))) {
        if (text[i] != QLatin1Char(',')) {
            mantissa += text[i];
            ++integerDigits;
        }
        ++i;
    }
    if (i < text.size() && text[i] == QLatin1Char('.')) {
        qsizetype j = i + 1;
        while (isDigit(text, j))
            mantissa += text[j++];
        if (!mantissa.isEmpty())
            i = j;
    }
    if (mantissa.isEmpty())
        return r;
    r.found = true;

    int exponent = 0;
    if (i < text.size() && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        bool negativeExponent = false;
        if (j < text.size() && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-')))
            negativeExponent = text[j++] == QLatin1Char('-');
        if (isDigit(text, j)) {
            while (isDigit(text, j)) {
                // Saturate: anything this far out is zero or out of range anyway.
                exponent = std::min(exponent * 10 + (text[j].unicode() - '0'), 1000000);
                ++j;
            }
            if (negativeExponent)
                exponent = -exponent;
            i = j;
        }
    }
    r.end = i;

    qsizetype lead = 0;
    while (lead < mantissa.size() && mantissa[lead] == QLatin1Char('0'))
        ++lead;
    qsizetype tail = mantissa.size();
    while (tail > lead && mantissa[tail - 1] == QLatin1Char('0'))
        --tail;
    r.number.digits = mantissa.mid(lead, tail - lead);
    r.number.point = r.number.digits.isEmpty() ? 0 : integerDigits - int(lead) + exponent;
    return r;
}

double toDouble(const DecimalNumber& d)
{
    if (d.digits.isEmpty())
        return 0.0;
    const QString text = (d.negative ? QStringLiteral("-0.") : QStringLiteral("0.")) + d.digits + QLatin1Char('e')
                         + QString::number(d.point);
    return QLocale::c().toDouble(text);
}

QString fixed(const DecimalNumber& d, int decimals)
{
    const int keep = d.point + decimals;
    QString scaled;
    if (!d.digits.isEmpty() && keep >= 0) {
        scaled = d.digits.left(keep);
        if (scaled.size() < keep)
            scaled += QString(keep - scaled.size(), QLatin1Char('0'));
        if (keep < d.digits.size() && d.digits[keep] >= QLatin1Char('5'))
            increment(scaled);
    }
    const bool zero = scaled.count(QLatin1Char('0')) == scaled.size();
    if (scaled.size() <= decimals)
        scaled.prepend(QString(decimals + 1 - scaled.size(), QLatin1Char('0')));
    if (decimals > 0)
        scaled.insert(scaled.size() - decimals, QLatin1Char('.'));
    return d.negative && !zero ? QLatin1Char('-') + scaled : scaled;
}

bool readWholeNumber(const QString& text, DecimalNumber& number)
{
    const QString trimmed = text.trimmed();
    const Reading r = readNumber(trimmed);
    if (!r.found || r.end != trimmed.size() || !std::isfinite(toDouble(r.number)))
        return false;
    number = r.number;
    return true;
}

DecimalNumber leadingNumber(const QString& text)
{
    QString packed;
    packed.reserve(text.size());
    for (const QChar c : text) {
        if (!c.isSpace())
            packed += c;
    }
    const Reading r = readNumber(packed);
    return r.found && std::isfinite(toDouble(r.number)) ? r.number : DecimalNumber{};
}

}

#include "numbertext.h"
#include "decimaltext.h"

#include <QLocale>

#include <cmath>

namespace {
QString format(const QString& text, int decimals)
{
    DecimalNumber number;
    return DecimalText::fixed(DecimalText::readWholeNumber(text, number) ? number : DecimalNumber{}, decimals);
}
}

namespace Module2 {

QString FormatMoney(const QString& text) { return format(text, 2); }
QString FormatMoney(double value) { return FormatMoney(NumberText(value)); }
QString FormatInt(const QString& text) { return format(text, 0); }
QString FormatInt(double value) { return FormatInt(NumberText(value)); }

double Val(const QString& text) { return DecimalText::toDouble(DecimalText::leadingNumber(text)); }

QString NumberText(double value)
{
    if (!std::isfinite(value))
        return {};
    if (value == 0.0)
        return QStringLiteral("0");
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::OmitGroupSeparator);
    return c.toString(value, 'f', QLocale::FloatingPointShortest);
}

QString NumberText(const QVariant& value)
{
    if (value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return NumberText(value.toDouble());
    default:
        return value.toString();
    }
}

}

#include "module2.h"

#include <QStringEncoder>

#include <iterator>

namespace {

struct Boundary {
    ushort code;
    char initial;
};

constexpr Boundary pinyinBoundaries[] = {
    {0xB0A1, 'A'}, {0xB0C5, 'B'}, {0xB2C1, 'C'}, {0xB4EE, 'D'}, {0xB6EA, 'E'}, {0xB7A2, 'F'}, {0xB8C1, 'G'}, {0xB9FE, 'H'},
    {0xBBF7, 'J'}, {0xBFA6, 'K'}, {0xC0AC, 'L'}, {0xC2E8, 'M'}, {0xC4C3, 'N'}, {0xC5B6, 'O'}, {0xC5BE, 'P'}, {0xC6DA, 'Q'},
    {0xC8BB, 'R'}, {0xC8F6, 'S'}, {0xCBFA, 'T'}, {0xCDDA, 'W'}, {0xCEF4, 'X'}, {0xD1B9, 'Y'}, {0xD4D1, 'Z'},
};

}

namespace Module2 {

QString GetPYInitial(const QString& character)
{
    if (character.isEmpty())
        return {};
    QString ch = character.left(character.front().isHighSurrogate() ? 2 : 1);
    // A fresh encoder each time: its error state stays set once raised.
    QStringEncoder gbk("GBK");
    const QByteArray bytes = gbk.encode(ch);
    if (gbk.hasError() || bytes.size() != 2) {
        const char16_t u = ch.front().unicode();
        if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z'))
            return ch.toUpper();
        return ch;
    }
    const ushort code = ushort((uchar(bytes[0]) << 8) | uchar(bytes[1]));
    for (auto it = std::rbegin(pinyinBoundaries); it != std::rend(pinyinBoundaries); ++it) {
        if (code >= it->code)
            return QString(QLatin1Char(it->initial));
    }
    return QStringLiteral("0");
}

}

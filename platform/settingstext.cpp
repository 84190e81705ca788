#include "settingstext.h"

#include <QStringDecoder>

#include <algorithm>

namespace SettingsText {
namespace {
const QByteArray utf8Mark("\xEF\xBB\xBF");

bool isAscii(QChar c) { return c.unicode() < 0x80; }

bool inRange(char16_t u, char16_t first, char16_t last) { return u >= first && u <= last; }

// Ideographs, CJK punctuation and full-width forms.
bool isChinese(QChar c)
{
    const char16_t u = c.unicode();
    return inRange(u, 0x3000, 0x303F) || inRange(u, 0x3400, 0x4DBF) || inRange(u, 0x4E00, 0x9FFF) || inRange(u, 0xF900, 0xFAFF)
           || inRange(u, 0xFF00, 0xFFEF);
}

bool isLatinLetter(QChar c) { return inRange(c.unicode(), 0x00C0, 0x024F); }

// What a Chinese text in GBK holds besides ASCII and Chinese: general
// punctuation (“” …), the middle dot and the symbols GBK carries (℃ ① ★,
// arrows, box drawing).
bool isGbkSymbol(QChar c)
{
    const char16_t u = c.unicode();
    return u == 0x00B7 || u == 0x00D7 || u == 0x00F7 || u == 0x00B0 || u == 0x00B1 || inRange(u, 0x2000, 0x206F)
           || inRange(u, 0x2100, 0x22FF) || inRange(u, 0x2460, 0x26FF);
}

bool readsAsChinese(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return isAscii(c) || isChinese(c) || isGbkSymbol(c); });
}

bool isUtf8Text(const QString& text)
{
    if (std::any_of(text.begin(), text.end(), isChinese))
        return true;
    return std::all_of(text.begin(), text.end(), [](QChar c) { return isAscii(c) || isLatinLetter(c); });
}
}

QString decode(const QByteArray& bytes, Encoding encoding)
{
    if (bytes.startsWith(utf8Mark))
        return QString::fromUtf8(bytes.mid(utf8Mark.size()));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString asUtf8 = utf8.decode(bytes);
    if (encoding == Encoding::Utf8 || (!utf8.hasError() && isUtf8Text(asUtf8)))
        return asUtf8;
    QStringDecoder gbk("GBK");
    const QString asGbk = gbk.decode(bytes);
    return !gbk.hasError() && readsAsChinese(asGbk) ? asGbk : asUtf8;
}

QByteArray encode(const QString& text, Encoding encoding)
{
    const QByteArray bytes = text.toUtf8();
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; });
    return encoding == Encoding::Utf8OrGbk && !ascii ? utf8Mark + bytes : bytes;
}
}

#include "settingstext.h"

#include <QList>
#include <QStringDecoder>

#include <algorithm>

namespace SettingsText {
namespace {
const QByteArray utf8Mark("\xEF\xBB\xBF");
const QByteArray utf16LeMark("\xFF\xFE");
const QByteArray utf16BeMark("\xFE\xFF");
constexpr auto stateless = QStringDecoder::Flag::Stateless;

bool isAscii(char32_t c) { return c < 0x80; }

bool inRange(char32_t u, char32_t first, char32_t last) { return u >= first && u <= last; }

// Ideographs, CJK punctuation and full-width forms.
bool isChinese(char32_t u)
{
    return inRange(u, 0x3000, 0x303F) || inRange(u, 0x3400, 0x4DBF) || inRange(u, 0x4E00, 0x9FFF) || inRange(u, 0xF900, 0xFAFF)
           || inRange(u, 0xFF00, 0xFFEF);
}

bool isLatinLetter(char32_t u) { return inRange(u, 0x00C0, 0x024F); }

// What a Chinese text in GBK holds besides ASCII and Chinese: general
// punctuation (“” …), the middle dot and the symbols GBK carries (℃ ① ★,
// arrows, box drawing).
bool isGbkSymbol(char32_t u)
{
    return u == 0x00B7 || u == 0x00D7 || u == 0x00F7 || u == 0x00B0 || u == 0x00B1 || inRange(u, 0x2000, 0x206F)
           || inRange(u, 0x2100, 0x22FF) || inRange(u, 0x2460, 0x26FF);
}

// A character UTF-8 stores in three or four bytes that GBK bytes seldom
// form by chance: one that is assigned and not for private use (GBK 蟾帆虏
// reads as a private-use character in UTF-8).
bool isWideAssigned(char32_t u)
{
    const QChar::Category category = QChar::category(u);
    return u >= 0x800 && category != QChar::Other_NotAssigned && category != QChar::Other_PrivateUse;
}

bool readsAsChinese(const QString& text)
{
    const QList<uint> chars = text.toUcs4();
    return std::all_of(chars.begin(), chars.end(), [](char32_t c) { return isAscii(c) || isChinese(c) || isGbkSymbol(c); });
}

bool isUtf8Text(const QString& text)
{
    const QList<uint> chars = text.toUcs4();
    return std::any_of(chars.begin(), chars.end(), isWideAssigned)
           || std::all_of(chars.begin(), chars.end(), [](char32_t c) { return isAscii(c) || isLatinLetter(c); });
}

// A decoder keeps a character cut at the end as pending state and reports no
// error; stateless, it reports it.
Decoded decodeWith(QStringDecoder decoder, const QByteArray& bytes, bool marked)
{
    const QString text = decoder.decode(bytes);
    return {text, marked, !decoder.hasError()};
}
}

Decoded decode(const QByteArray& bytes, Encoding encoding)
{
    if (bytes.startsWith(utf8Mark))
        return decodeWith(QStringDecoder(QStringDecoder::Utf8, stateless), bytes.mid(utf8Mark.size()), true);
    if (bytes.startsWith(utf16LeMark) || bytes.startsWith(utf16BeMark)) {
        const auto order = bytes.startsWith(utf16LeMark) ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE;
        Decoded decoded = decodeWith(QStringDecoder(order, stateless), bytes.mid(utf16LeMark.size()), true);
        // A lone byte at the end is no error to the decoder.
        decoded.whole = decoded.whole && bytes.size() % 2 == 0;
        return decoded;
    }
    const Decoded asUtf8 = decodeWith(QStringDecoder(QStringDecoder::Utf8, stateless), bytes, false);
    if (encoding == Encoding::Utf8 || (asUtf8.whole && isUtf8Text(asUtf8.text)))
        return asUtf8;
    const Decoded asGbk = decodeWith(QStringDecoder("GBK", stateless), bytes, false);
    return asGbk.whole && readsAsChinese(asGbk.text) ? asGbk : asUtf8;
}

QByteArray encode(const QString& text, Encoding encoding, bool marked)
{
    const QByteArray bytes = text.toUtf8();
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; });
    return marked || (encoding == Encoding::Utf8OrGbk && !ascii) ? utf8Mark + bytes : bytes;
}
}

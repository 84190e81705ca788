#include "textwidths.h"

#include <QFont>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <memory>

namespace {
bool isBlank(char32_t c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

constexpr char32_t BasicPlane = 0x10000;
constexpr char32_t Replacement = 0xFFFD;

// The code point starting at bytes[i], and where the next one starts; a
// broken sequence reads as one replacement character per byte.
char32_t decode(QByteArrayView bytes, qsizetype& i)
{
    const auto lead = quint8(bytes[i++]);
    if (lead < 0x80)
        return lead;
    const int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (more < 0 || i + more > bytes.size())
        return Replacement;
    char32_t code = lead & (0x3F >> more);
    for (int k = 0; k < more; ++k) {
        const auto next = quint8(bytes[i]);
        if ((next & 0xC0) != 0x80)
            return Replacement;
        code = (code << 6) | (next & 0x3F);
        ++i;
    }
    return code;
}
}

int TextAdvance(const QFont& font, const QString& text) { return int(std::ceil(QFontMetricsF(font).horizontalAdvance(text))); }

int CellTextWidth(const QWidget* view, const QString& text) { return CellTextWidth(view, QStringList{text}); }

int CellTextWidth(const QWidget* view, const QStringList& texts)
{
    const QFontMetricsF metrics(view->font());
    qreal widest = 0;
    for (const QString& text : texts)
        widest = std::max(widest, metrics.horizontalAdvance(text));
    const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    return int(std::ceil(widest)) + 2 * margin;
}

CharAdvances::CharAdvances(const QFont& font)
    : m_metrics(font)
    , m_basic(BasicPlane, -1.0F)
{
    for (char16_t c = 0; c < 0x80; ++c)
        m_ascii[c] = float(m_metrics.horizontalAdvance(QChar(c)));
    m_widestAscii = *std::max_element(m_ascii.begin(), m_ascii.end());
}

const CharAdvances& CharAdvances::of(const QFont& font)
{
    static QHash<QString, std::shared_ptr<CharAdvances>> tables;
    std::shared_ptr<CharAdvances>& table = tables[font.key()];
    if (!table)
        table = std::make_shared<CharAdvances>(font);
    return *table;
}

double CharAdvances::advance(char32_t character) const
{
    if (character < BasicPlane) {
        float& known = m_basic[character];
        if (known < 0)
            known = float(m_metrics.horizontalAdvance(QChar(char16_t(character))));
        return known;
    }
    auto known = m_other.constFind(character);
    if (known == m_other.constEnd())
        known = m_other.insert(character, float(m_metrics.horizontalAdvance(QString::fromUcs4(&character, 1))));
    return *known;
}

double CharAdvances::estimate(QByteArrayView utf8) const
{
    // Latin letters and digits by a small table, in one pass that leaves
    // out the blanks at either end: a list of many goods costs little.
    const qsizetype size = utf8.size();
    qsizetype i = 0;
    while (i < size && isBlank(char32_t(quint8(utf8[i]))))
        ++i;
    double width = 0;
    double shown = 0; // up to the last character that is no blank
    while (i < size) {
        const auto byte = quint8(utf8[i]);
        if (byte < 0x80) {
            width += m_ascii[byte];
            ++i;
            if (!isBlank(byte))
                shown = width;
            continue;
        }
        // Chinese characters, three bytes each, without a call.
        if ((byte & 0xF0) == 0xE0 && i + 2 < size && (quint8(utf8[i + 1]) & 0xC0) == 0x80
            && (quint8(utf8[i + 2]) & 0xC0) == 0x80) {
            const char32_t code = ((byte & 0x0F) << 12) | ((quint8(utf8[i + 1]) & 0x3F) << 6) | (quint8(utf8[i + 2]) & 0x3F);
            const float known = m_basic[code];
            width += known >= 0 ? known : advance(code);
            i += 3;
        } else {
            width += advance(decode(utf8, i));
        }
        shown = width;
    }
    return shown;
}

double CharAdvances::estimate(const QString& text) const
{
    const QString shown = text.trimmed();
    double width = 0;
    for (const char32_t character : shown.toUcs4())
        width += advance(character);
    return width;
}

#include "textwidths.h"

#include <QFont>
#include <QStyle>
#include <QWidget>
#include <cmath>

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

int TextAdvance(const QFont& font, const QString& text)
{
    return int(std::ceil(QFontMetricsF(font).horizontalAdvance(text)));
}

int CellTextWidth(const QWidget* view, const QString& text)
{
    const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    return TextAdvance(view->font(), text) + 2 * margin;
}

CharAdvances::CharAdvances(const QFont& font)
    : m_metrics(font)
    , m_basic(BasicPlane, -1.0F)
{
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
    qsizetype begin = 0;
    qsizetype end = utf8.size();
    while (begin < end && isBlank(char32_t(quint8(utf8[begin]))))
        ++begin;
    while (end > begin && isBlank(char32_t(quint8(utf8[end - 1]))))
        --end;
    const QByteArrayView text = utf8.sliced(begin, end - begin);
    double width = 0;
    for (qsizetype i = 0; i < text.size();)
        width += advance(decode(text, i));
    return width;
}

double CharAdvances::estimate(const QString& text) const
{
    const QString shown = text.trimmed();
    double width = 0;
    for (const char32_t character : shown.toUcs4())
        width += advance(character);
    return width;
}

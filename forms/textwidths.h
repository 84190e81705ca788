#pragma once
// Widths of texts as an item view's delegate draws them: the advance of the
// whole text in the view's font (fractional, rounded up, as the delegate
// elides at the fractional width), plus the style's text margin each side.
// A table of each character's advance picks the widest of many texts fast;
// the few it picks are then measured whole (kerning, fallback fonts).
#include <QByteArrayView>
#include <QFontMetricsF>
#include <QHash>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

class QFont;
class QWidget;

// What a cell of a view needs to show a text whole, in pixels; the widest
// of some texts (none: the margins alone).
int CellTextWidth(const QWidget* view, const QString& text);
int CellTextWidth(const QWidget* view, const QStringList& texts);
// The advance of a text in a font, rounded up to whole pixels.
int TextAdvance(const QFont& font, const QString& text);

class CharAdvances {
public:
    explicit CharAdvances(const QFont& font);
    // The table of a font, kept for the program's life: every list of that
    // font measures each character once.
    static const CharAdvances& of(const QFont& font);

    // The sum of the characters' advances, blanks at either end left out as
    // a cell trims them: close to the drawn width, enough to rank texts.
    double estimate(QByteArrayView utf8) const;
    double estimate(const QString& text) const;
    // No text of n bytes has an estimate past n times this: the widest
    // ASCII character, as no longer character is wider than that per byte.
    double widestPerByte() const { return m_widestAscii; }

private:
    double advance(char32_t character) const;

    QFontMetricsF m_metrics;
    std::array<float, 0x80> m_ascii{};
    double m_widestAscii = 0;
    // By code point, measured at first use; negative: not yet.
    mutable std::vector<float> m_basic;
    mutable QHash<char32_t, float> m_other;
};

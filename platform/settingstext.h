#pragma once
#include <QByteArray>
#include <QString>

// The text of a settings file. A mark says the encoding: UTF-8, UTF-16 LE or
// BE. Without one, Teskarn's file may still be in the old program's code
// page, GBK: valid UTF-8 is taken as UTF-8 when it holds an assigned
// character of three or four bytes that is not for private use (Chinese,
// “ ” — €, emoji) or when its only other characters are ASCII and Latin
// letters (Café, München); otherwise GBK when GBK reads it whole as Chinese
// (陆路 is also valid UTF-8, "½·"); otherwise UTF-8. Two cases stay
// ambiguous: GBK whose UTF-8 reading is Latin letters reads as UTF-8 (毛毛
// reads "ëë"), and UTF-8 two-byte characters whose GBK reading is Chinese
// read as GBK (a·b reads "a路b", Москва too).
namespace SettingsText {
enum class Encoding {
    Utf8,      // files only this program writes
    Utf8OrGbk, // files the old program may have written
};

struct Decoded {
    QString text;
    bool marked = false;
    // False when no reading decodes every byte: a rewrite would lose some.
    bool whole = true;
};

Decoded decode(const QByteArray& bytes, Encoding encoding);
// UTF-8, marked when the file was, or, in a file that may be GBK, when it
// holds more than ASCII, so the next read knows it.
QByteArray encode(const QString& text, Encoding encoding, bool marked);
}

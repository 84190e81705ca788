#pragma once
#include <QByteArray>
#include <QString>

// The text of a settings file. A file with the UTF-8 mark is UTF-8. Without
// it, Teskarn's file may still be in the old program's code page, GBK:
// valid UTF-8 is taken as UTF-8 when it holds Chinese or when its only
// non-ASCII characters are Latin letters (Café, München); otherwise GBK
// when GBK reads it as Chinese (陆路 is also valid UTF-8, "½·"); otherwise
// UTF-8. GBK text whose UTF-8 reading is Latin letters stays ambiguous and
// reads as UTF-8 (毛毛 reads "ëë").
namespace SettingsText {
enum class Encoding {
    Utf8,      // files only this program writes
    Utf8OrGbk, // files the old program may have written
};

QString decode(const QByteArray& bytes, Encoding encoding);
// UTF-8; in a file that may be GBK, marked when it holds more than ASCII, so
// the next read knows it.
QByteArray encode(const QString& text, Encoding encoding);
}

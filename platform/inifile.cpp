#include "inifile.h"
#include "paths.h"
#include "program.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringList>

#include <algorithm>

namespace {
const QByteArray utf8Mark("\xEF\xBB\xBF");

// Text an old GBK file may hold besides ASCII: ideographs, CJK and general
// punctuation, full-width forms.
bool isChineseText(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x80 || (u >= 0x2000 && u <= 0x206F) || (u >= 0x3000 && u <= 0x303F) || (u >= 0x3400 && u <= 0x4DBF)
           || (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0xF900 && u <= 0xFAFF) || (u >= 0xFF00 && u <= 0xFFEF);
}

bool allChineseText(const QString& text) { return std::all_of(text.begin(), text.end(), isChineseText); }

// The GBK decoder maps bytes GBK lacks (0x80, 0xFF) to the private use area.
bool hasPrivateUse(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0xE000 && c.unicode() <= 0xF8FF; });
}

// A file we wrote with anything but ASCII starts with the UTF-8 mark. Without
// it, valid UTF-8 can still be the old program's GBK (陆路 is c2bd c2b7, "½·"
// in UTF-8), so UTF-8 is taken when it reads as Chinese text, GBK when that
// reads cleanly, and UTF-8 otherwise.
QString decode(const QByteArray& bytes)
{
    if (bytes.startsWith(utf8Mark))
        return QString::fromUtf8(bytes.mid(utf8Mark.size()));
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString asUtf8 = utf8.decode(bytes);
    if (!utf8.hasError() && allChineseText(asUtf8))
        return asUtf8;
    QStringDecoder gbk("GBK");
    const QString asGbk = gbk.decode(bytes);
    return gbk.hasError() || hasPrivateUse(asGbk) ? asUtf8 : asGbk;
}

// UTF-8, marked when there is anything but ASCII, so the next read knows it.
QByteArray encode(const QStringList& lines)
{
    const QByteArray text = lines.join(QLatin1Char('\n')).toUtf8() + '\n';
    const bool ascii = std::all_of(text.begin(), text.end(), [](char c) { return uchar(c) < 0x80; });
    return ascii ? text : utf8Mark + text;
}

QStringList readLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = decode(file.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The section name of a "[name]" line, or a null string.
QString sectionOf(const QString& line)
{
    const QString trimmed = line.trimmed();
    if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']')))
        return trimmed.mid(1, trimmed.size() - 2).trimmed();
    return {};
}

bool isKeyLine(const QString& line, const QString& key)
{
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    return eq >= 0 && line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0;
}

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

QString& writeFailure()
{
    static QString reason;
    return reason;
}

// Replaces the file with bytes, or leaves it whole and returns why not.
// QSaveFile::commit() alone may report success after a write that a full disk
// cut short, so every write and the flush are checked before it.
QString saveWhole(const QString& path, const QByteArray& bytes)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return QStringLiteral("无法创建文件夹：") + QDir::toNativeSeparators(folder);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (!writeFailure().isEmpty() || file.write(bytes) != bytes.size() || !file.flush()) {
        QString reason = writeFailure().isEmpty() ? file.errorString() : writeFailure();
        file.cancelWriting();
        return reason;
    }
    return file.commit() ? QString() : file.errorString();
}
}

void IniFile::setWriteFailure(const QString& reason) { writeFailure() = reason; }

IniFile::IniFile(QString path)
    : m_path(std::move(path))
{
}

QString IniFile::read(const QString& section, const QString& key) const
{
    bool inSection = false;
    for (const QString& line : readLines(m_path)) {
        const QString name = sectionOf(line);
        if (!name.isNull()) {
            inSection = sameName(name, section);
            continue;
        }
        if (inSection && isKeyLine(line, key))
            return line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
    }
    return {};
}

bool IniFile::write(const QString& section, const QString& key, const QString& value, QString* reason) const
{
    QStringList lines = readLines(m_path);
    const QString entry = key + QLatin1Char('=') + value;
    int sectionStart = -1;
    int insertAt = -1;
    for (int i = 0; i < lines.size(); ++i) {
        const QString name = sectionOf(lines[i]);
        if (!name.isNull()) {
            if (sectionStart >= 0)
                break;
            if (sameName(name, section)) {
                sectionStart = i;
                insertAt = i + 1;
            }
            continue;
        }
        if (sectionStart < 0)
            continue;
        if (isKeyLine(lines[i], key)) {
            lines[i] = entry;
            insertAt = -1;
            break;
        }
        if (!lines[i].trimmed().isEmpty())
            insertAt = i + 1;
    }
    if (sectionStart < 0) {
        lines << QLatin1Char('[') + section + QLatin1Char(']') << entry;
    } else if (insertAt >= 0) {
        lines.insert(insertAt, entry);
    }

    const QString failure = saveWhole(m_path, encode(lines));
    if (!failure.isEmpty() && reason)
        *reason = failure;
    return failure.isEmpty();
}

QString UserSettings::folder() { return Paths::configHome() + QLatin1Char('/') + Program::name(); }

QString UserSettings::filePath(const QString& application)
{
    return folder() + QLatin1Char('/') + application + QStringLiteral(".ini");
}

QString UserSettings::get(const QString& application, const QString& section, const QString& key, const QString& defaultValue)
{
    const QString value = IniFile(filePath(application)).read(section, key);
    return value.isEmpty() ? defaultValue : value;
}

bool UserSettings::save(const QString& application, const QString& section, const QString& key, const QString& value)
{
    return IniFile(filePath(application)).write(section, key, value);
}

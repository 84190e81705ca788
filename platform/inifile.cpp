#include "inifile.h"
#include "paths.h"
#include "program.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

namespace {
QStringList readLines(const QString& path, SettingsText::Encoding encoding)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = SettingsText::decode(file.readAll(), encoding);
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

IniFile::IniFile(QString path, Encoding encoding)
    : m_path(std::move(path))
    , m_encoding(encoding)
{
}

QString IniFile::read(const QString& section, const QString& key) const
{
    bool inSection = false;
    for (const QString& line : readLines(m_path, m_encoding)) {
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
    const QStringList stored = readLines(m_path, m_encoding);
    QStringList lines = stored;
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

    if (lines == stored && QFileInfo::exists(m_path))
        return true;
    const QString failure = saveWhole(m_path,
                                      SettingsText::encode(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'), m_encoding));
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

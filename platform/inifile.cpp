#include "inifile.h"
#include "paths.h"
#include "program.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>
#include <QTemporaryFile>

#include <algorithm>

namespace {
struct Lines {
    QStringList lines;
    bool marked = false;
    bool whole = true;
};

Lines readLines(const QString& path, SettingsText::Encoding encoding)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    SettingsText::Decoded decoded = SettingsText::decode(file.readAll(), encoding);
    decoded.text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = decoded.text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return {lines, decoded.marked, decoded.whole};
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

struct InjectedFailure {
    QString reason;
    QString section; // empty: every write
    QString key;     // empty: every key of the section
};

InjectedFailure& writeFailure()
{
    static InjectedFailure failure;
    return failure;
}

bool injectedFor(const QList<IniFile::Entry>& entries)
{
    const InjectedFailure& failure = writeFailure();
    if (failure.reason.isEmpty())
        return false;
    return failure.section.isEmpty() || std::any_of(entries.begin(), entries.end(), [&failure](const IniFile::Entry& entry) {
               return sameName(entry.section, failure.section) && (failure.key.isEmpty() || sameName(entry.key, failure.key));
           });
}

// Sets key = value in its section, adding the section or the key as needed.
void put(QStringList& lines, const IniFile::Entry& entry)
{
    const QString line = entry.key + QLatin1Char('=') + entry.value;
    int sectionStart = -1;
    int insertAt = -1;
    for (int i = 0; i < lines.size(); ++i) {
        const QString name = sectionOf(lines[i]);
        if (!name.isNull()) {
            if (sectionStart >= 0)
                break;
            if (sameName(name, entry.section)) {
                sectionStart = i;
                insertAt = i + 1;
            }
            continue;
        }
        if (sectionStart < 0)
            continue;
        if (isKeyLine(lines[i], entry.key)) {
            lines[i] = line;
            return;
        }
        if (!lines[i].trimmed().isEmpty())
            insertAt = i + 1;
    }
    if (sectionStart < 0)
        lines << QLatin1Char('[') + entry.section + QLatin1Char(']') << line;
    else
        lines.insert(insertAt, line);
}

// Replaces the file with bytes, or leaves it whole and returns why not.
// QSaveFile::commit() alone may report success after a write that a full disk
// cut short, so every write and the flush are checked before it.
QString saveWhole(const QString& path, const QByteArray& bytes, bool failureInjected)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return QStringLiteral("无法创建文件夹：") + QDir::toNativeSeparators(folder);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (failureInjected || file.write(bytes) != bytes.size() || !file.flush()) {
        QString reason = failureInjected ? writeFailure().reason : file.errorString();
        file.cancelWriting();
        return reason;
    }
    return file.commit() ? QString() : file.errorString();
}
}

void IniFile::setWriteFailure(const QString& reason, const QString& section, const QString& key)
{
    writeFailure() = {reason, section, key};
}

bool IniFile::breaksLines(const QString& value)
{
    return value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r')) || value.contains(QChar(0));
}

IniFile::IniFile(QString path, Encoding encoding)
    : m_path(std::move(path))
    , m_encoding(encoding)
{
}

QString IniFile::read(const QString& section, const QString& key) const
{
    bool inSection = false;
    for (const QString& line : readLines(m_path, m_encoding).lines) {
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

bool IniFile::write(const QList<Entry>& entries, QString* reason) const
{
    const auto fail = [reason](const QString& why) {
        if (reason)
            *reason = why;
        return false;
    };
    for (const Entry& entry : entries) {
        if (breaksLines(entry.section) || breaksLines(entry.key) || breaksLines(entry.value))
            return fail(QStringLiteral("[%1] %2 的值含有换行符，未写入").arg(entry.section, entry.key));
    }
    const Lines stored = readLines(m_path, m_encoding);
    QStringList lines = stored.lines;
    for (const Entry& entry : entries)
        put(lines, entry);
    if (lines == stored.lines && QFileInfo::exists(m_path))
        return true;
    if (!stored.whole)
        return fail(QStringLiteral("文件中有无法识别的字符（不是 UTF-8、UTF-16 或 GBK 文本），改写会损坏它，未写入"));
    const QString text = lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
    const QString failure = saveWhole(m_path, SettingsText::encode(text, m_encoding, stored.marked), injectedFor(entries));
    return failure.isEmpty() || fail(failure);
}

bool IniFile::write(const QString& section, const QString& key, const QString& value, QString* reason) const
{
    return write(QList<Entry>{{section, key, value}}, reason);
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
    return save(application, {{section, key, value}});
}

bool UserSettings::save(const QString& application, const QList<IniFile::Entry>& entries)
{
    return IniFile(filePath(application)).write(entries);
}

std::optional<QString> UserSettings::unwritable()
{
    const QString path = folder();
    if (!QDir().mkpath(path))
        return QStringLiteral("无法创建文件夹");
    QTemporaryFile probe(path + QStringLiteral("/.probe-XXXXXX"));
    if (!probe.open())
        return probe.errorString();
    if (!writeFailure().reason.isEmpty() && writeFailure().section.isEmpty())
        return writeFailure().reason;
    if (probe.write("probe") != 5 || !probe.flush())
        return probe.errorString();
    return std::nullopt;
}

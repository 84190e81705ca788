#include "mod_AutoRun.h"
#include "paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace Teskarn::mod_AutoRun {
namespace {
QString quotedArgument(const QString& argument)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
        if (c == QLatin1Char('%'))
            quoted += c;
    }
    return quoted + QLatin1Char('"');
}

QString escapedString(const QString& value)
{
    QString escaped;
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '\\':
            escaped += QStringLiteral("\\\\");
            break;
        case '\n':
            escaped += QStringLiteral("\\n");
            break;
        case '\t':
            escaped += QStringLiteral("\\t");
            break;
        case '\r':
            escaped += QStringLiteral("\\r");
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

QString execLine() { return QStringLiteral("Exec=") + execValue(QCoreApplication::applicationFilePath()); }

std::optional<QString> writeEntry()
{
    const QString folder = QFileInfo(entryPath()).path();
    if (!QDir().mkpath(folder))
        return QStringLiteral("无法创建文件夹 ") + folder;
    QSaveFile file(entryPath());
    const QByteArray entry = "[Desktop Entry]\nType=Application\nName=Teskarn\n" + execLine().toUtf8() + '\n';
    if (!file.open(QIODevice::WriteOnly) || file.write(entry) != entry.size() || !file.commit())
        return file.errorString() + QLatin1Char(' ') + entryPath();
    return std::nullopt;
}
}

QString entryPath() { return Paths::configHome() + QStringLiteral("/autostart/teskarn.desktop"); }

QString execValue(const QString& programPath) { return escapedString(quotedArgument(programPath)); }

bool isOn()
{
    QFile entry(entryPath());
    if (!entry.open(QIODevice::ReadOnly))
        return false;
    const QString line = execLine();
    while (!entry.atEnd()) {
        if (QString::fromUtf8(entry.readLine()).trimmed() == line)
            return true;
    }
    return false;
}

std::optional<QString> SetAutoRun(bool on)
{
    if (on)
        return writeEntry();
    QFile entry(entryPath());
    if (entry.exists() && !entry.remove())
        return entry.errorString() + QLatin1Char(' ') + entryPath();
    return std::nullopt;
}
}

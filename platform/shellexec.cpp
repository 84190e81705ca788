#include "shellexec.h"
#include "desktop.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

namespace {
// "https://…", "mailto:…", "file:…": a scheme of two letters or more.
bool hasScheme(const QString& target)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(target).hasMatch();
}

bool openAddress(const QString& address)
{
    const QUrl url(address);
    return url.isValid() && DesktopOpener::instance().openUrl(url);
}
}

namespace mdlShellExec {
bool ShellOpen(const QString& command, bool splitAtBlank)
{
    QString target = command;
    QString parameters;
    const qsizetype blank = command.indexOf(QLatin1Char(' '));
    if (splitAtBlank && blank >= 0) {
        target = command.left(blank);
        parameters = command.mid(blank + 1);
    }
    if (target.isEmpty())
        return false;

    if (hasScheme(target))
        return openAddress(target);
    // The shell also takes a bare "www." address for a web page.
    if (target.startsWith(QStringLiteral("www."), Qt::CaseInsensitive))
        return openAddress(QStringLiteral("http://") + target);

    const QFileInfo info(target);
    if (info.exists()) {
        if (info.isFile() && info.isExecutable())
            return DesktopOpener::instance().startProgram(info.absoluteFilePath(), QProcess::splitCommand(parameters));
        return DesktopOpener::instance().openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
    }
    if (!target.contains(QLatin1Char('/'))) {
        const QString program = QStandardPaths::findExecutable(target);
        if (!program.isEmpty())
            return DesktopOpener::instance().startProgram(program, QProcess::splitCommand(parameters));
    }
    return false;
}
}

#include "shellexec.h"
#include "desktop.h"

#include <QDir>
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

// "~/…" is in the home folder, as a shell reads it.
QString withHome(const QString& target)
{
    if (target == QLatin1String("~") || target.startsWith(QLatin1String("~/")))
        return QDir::homePath() + target.mid(1);
    return target;
}
}

namespace mdlShellExec {
Target Locate(const QString& target)
{
    using Kind = Target::Kind;
    if (target.isEmpty())
        return {};
    if (hasScheme(target))
        return {Kind::Address, target};
    // The shell also takes a bare "www." address for a web page.
    if (target.startsWith(QStringLiteral("www."), Qt::CaseInsensitive))
        return {Kind::Address, QStringLiteral("http://") + target};

    const QFileInfo info(withHome(target));
    if (info.exists())
        return {info.isFile() && info.isExecutable() ? Kind::Program : Kind::Document, info.absoluteFilePath()};
    if (!target.contains(QLatin1Char('/'))) {
        const QString program = QStandardPaths::findExecutable(target);
        if (!program.isEmpty())
            return {Kind::Program, program};
    }
    return {};
}

bool ShellOpen(const QString& command, bool splitAtBlank)
{
    QString target = command;
    QString parameters;
    const qsizetype blank = command.indexOf(QLatin1Char(' '));
    if (splitAtBlank && blank >= 0) {
        target = command.left(blank);
        parameters = command.mid(blank + 1);
    }
    const Target located = Locate(target);
    switch (located.kind) {
    case Target::Kind::Address: {
        const QUrl url(located.location);
        return url.isValid() && DesktopOpener::instance().openUrl(url);
    }
    case Target::Kind::Document:
        return DesktopOpener::instance().openUrl(QUrl::fromLocalFile(located.location));
    case Target::Kind::Program:
        return DesktopOpener::instance().startProgram(located.location, QProcess::splitCommand(parameters));
    case Target::Kind::None:
        break;
    }
    return false;
}
}

#include "showfiledialog.h"
#include "filedialogs.h"
#include "messagebox.h"
#include "program.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {
constexpr qsizetype longestFileName = 260;
}

namespace Teskarn::Module2 {
QStringList qtFileFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == QStringLiteral("*.*"))
                pattern = QStringLiteral("*");
        }
        entries << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return entries;
}

QString ShowFileDialog(QWidget* owner, bool save, const QString& title, const QString& filter, const QString& fileName,
                       const QString& defaultExtension, const QString& initialFolder)
{
    if (fileName.size() > longestFileName) {
        MessageBox::show(owner, QStringLiteral("Filename Length Overflow"),
                         Program::name() + QStringLiteral(" - FileDialog Function"), QMessageBox::Warning, QMessageBox::Ok);
        return {};
    }
    const QString start = initialFolder.isEmpty() ? fileName : QDir(initialFolder).filePath(fileName);
    const QString qtFilter = qtFileFilters(filter).join(QStringLiteral(";;"));
    if (!save)
        return FileDialogs::openFile(owner, title, start, qtFilter);
    QString chosen = FileDialogs::saveFile(owner, title, start, qtFilter);
    if (!chosen.isEmpty() && !defaultExtension.isEmpty() && QFileInfo(chosen).suffix().isEmpty())
        chosen += QLatin1Char('.') + defaultExtension;
    return chosen;
}
}

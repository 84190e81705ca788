#include "backupfiles.h"

#include <QDir>

QString BackupFiles::folder() { return QDir::homePath() + QStringLiteral("/Morvane数据备份"); }

QString BackupFiles::fileName(const QDateTime& moment)
{
    return moment.toString(QStringLiteral("yyyy-MM-dd-HHmm")) + QStringLiteral(".mdb");
}

QString BackupFiles::pathFor(const QDateTime& moment) { return folder() + QLatin1Char('/') + fileName(moment); }

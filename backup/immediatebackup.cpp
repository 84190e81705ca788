#include "immediatebackup.h"
#include "appstate.h"
#include "backupfiles.h"
#include "clock.h"
#include "dbsession.h"
#include "messagebox.h"

#include <QFile>
#include <QFileInfo>

bool ImmediateBackup::copy(const QString& databaseFile, const QString& backupFile)
{
    // A read transaction keeps every writer out of the file while it is
    // copied, so the copy never catches a write halfway. QFile::copy writes a
    // temporary file beside the target and renames it without replacing, so
    // neither a partial copy nor an overwrite can happen.
    auto conn = Database::openFile(databaseFile);
    if (conn && conn->exec(QStringLiteral("BEGIN")) && conn->query(QStringLiteral("select count(*) from sqlite_master"))
        && QFile::copy(databaseFile, backupFile))
        QFile::setPermissions(backupFile, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return QFileInfo(backupFile).isFile();
}

void ImmediateBackup::runAndReport(QWidget* parent)
{
    const QString databaseFile = appState().databasePath();
    const QString backupFile = BackupFiles::pathFor(Clock::now());
    if (copy(databaseFile, backupFile))
        MessageBox::show(parent, QStringLiteral("成功备份数据"));
    else
        MessageBox::show(parent, QStringLiteral("数据备份失败，请重新登陆后重试！"));
}

#include "immediatebackup.h"
#include "appstate.h"
#include "backupfiles.h"
#include "clock.h"
#include "dbsession.h"
#include "filecopy.h"
#include "messagebox.h"

#include <QFileInfo>

bool ImmediateBackup::copy(const QString& databaseFile, const QString& backupFile)
{
    // A read transaction keeps every writer out of the file while it is
    // copied, so the copy never catches a write halfway. The copy takes its
    // name only once whole and on disk, never replacing a file.
    auto conn = Database::openFile(databaseFile);
    if (conn && conn->exec(QStringLiteral("BEGIN")) && conn->query(QStringLiteral("select count(*) from sqlite_master")))
        FileCopy::toNewFileDurably(databaseFile, backupFile);
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

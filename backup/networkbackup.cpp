#include "networkbackup.h"
#include "appstate.h"
#include "backupfiles.h"
#include "inifile.h"
#include "usbserial.h"
#include "zipfile.h"

#include <QFile>
#include <cerrno>

namespace {
QString setting(const char* key)
{
    return UserSettings::get(QStringLiteral("database"), QStringLiteral("server"), QLatin1String(key));
}
}

QString NetworkBackup::httpHost() { return setting("http"); }
QString NetworkBackup::ftpHost() { return setting("ftp"); }
QString NetworkBackup::user() { return setting("user"); }
QString NetworkBackup::password() { return setting("password"); }

QString NetworkBackup::remotePath(const QString& serial)
{
    return QStringLiteral("VIViza/") + serial + QStringLiteral("/update.dat");
}

QString NetworkBackup::serial() { return UsbSerial::GetUsbSN(appState().appPath); }

QString NetworkBackup::downloadFile() { return BackupFiles::folder() + QStringLiteral("/down.Vdat"); }
QString NetworkBackup::uploadFile() { return BackupFiles::folder() + QStringLiteral("/up.Vdat"); }

DbStatus NetworkBackup::packDatabase(const QString& databaseFile, const QString& archive)
{
    QFile stale(archive);
    if (stale.exists() && !stale.remove())
        return DbError{int(stale.error()), stale.errorString()};
    QString error;
    if (!ZipFile::pack(archive, {{QByteArrayLiteral("db_kcgl.mdb"), databaseFile}}, &error))
        return DbError{EIO, error};
    return {};
}

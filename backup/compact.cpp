#include "compact.h"
#include "databaseswap.h"
#include "dbsession.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>

DbStatus compactDatabase(const QString& databaseFile)
{
    const QString work = DatabaseSwap::workFile(databaseFile);
    // VACUUM INTO refuses an existing target: clear what an earlier attempt left.
    if (QFileInfo::exists(work) && !QFile::remove(work))
        return DbError{EACCES, QStringLiteral("无法删除 ") + work};
    {
        auto conn = Database::openFile(databaseFile);
        if (!conn)
            return conn.error();
        if (auto vacuumed = conn->exec(QStringLiteral("VACUUM INTO ?"), {work}); !vacuumed) {
            QFile::remove(work);
            return vacuumed.error();
        }
    }
    const DatabaseSwap::Swapped swapped = DatabaseSwap::replace(work, databaseFile);
    if (!swapped)
        QFile::remove(work);
    return swapped.status;
}

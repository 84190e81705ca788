#include "databaseswap.h"
#include "dbsession.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sqlite3.h>

namespace {
// The tables data/schema.sql creates, listed from it by the build.
const QStringList& bookTables()
{
    static const QStringList tables{
#include "booktables.inc"
    };
    return tables;
}

// A sound SQLite file that holds the books' tables.
DbStatus verify(const QString& path)
{
    auto conn = Database::openFile(path);
    if (!conn)
        return conn.error();
    auto check = conn->query(QStringLiteral("PRAGMA integrity_check"));
    if (!check)
        return check.error();
    const QString verdict = check->isEmpty() ? QString() : check->data().constFirst().constFirst().toString();
    if (verdict != QStringLiteral("ok"))
        return DbError{SQLITE_CORRUPT, verdict};
    auto tables = conn->query(QStringLiteral("select name from sqlite_master where type='table'"));
    if (!tables)
        return tables.error();
    QSet<QString> present;
    for (int i = 0; i < tables->count(); ++i)
        present.insert(tables->text(i, QStringLiteral("name")));
    for (const QString& table : bookTables()) {
        if (!present.contains(table))
            return DbError{SQLITE_NOTADB, QStringLiteral("缺少数据表 ") + table};
    }
    return {};
}
}

QString DatabaseSwap::workFile(const QString& databaseFile)
{
    return QFileInfo(databaseFile).absolutePath() + QStringLiteral("/db_kcgl_temp.mdb");
}

DbStatus DatabaseSwap::replace(const QString& candidate, const QString& databaseFile)
{
    if (DbStatus sound = verify(candidate); !sound)
        return sound;
    QFile::setPermissions(candidate, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    // rename(2) replaces the target in one step: the old file stays whole
    // until the new one is in place.
    if (std::rename(QFile::encodeName(candidate).constData(), QFile::encodeName(databaseFile).constData()) != 0) {
        const int code = errno;
        return DbError{code, QString::fromLocal8Bit(std::strerror(code))};
    }
    // A journal left by a crash belongs to the old file; rolled into the new
    // one it would corrupt it.
    QFile::remove(databaseFile + QStringLiteral("-journal"));
    return {};
}

#include "databaseswap.h"
#include "dbsession.h"
#include "filesync.h"
#include "salestotals.h"
#include "schemaupgrade.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <sqlite3.h>

namespace {
// The tables data/schema.sql creates, listed from it by the build, but the
// sales totals: derived from the books, the upgrade makes them for a book
// from before them.
const QStringList& bookTables()
{
    static const QStringList tables = [] {
        QStringList all{
#include "booktables.inc"
        };
        all.removeIf([](const QString& table) { return SalesTotals::tables().contains(table); });
        return all;
    }();
    return tables;
}

using Swapped = DatabaseSwap::Swapped;

Swapped refused(RestoreReason reason, DbError error) { return {std::move(error), std::move(reason)}; }

quint64 bigEndian(const QByteArray& bytes, qsizetype at, int size)
{
    quint64 value = 0;
    for (int i = 0; i < size; ++i)
        value = value << 8 | quint8(bytes.at(at + i));
    return value;
}

// What the file's header tells before SQLite reads it: not an SQLite file at
// all, or one shorter than the pages its header counts (a copy cut off).
std::optional<Swapped> checkHeader(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        const DbError error{int(file.error()), file.errorString()};
        if (!file.exists())
            return refused(RestoreReason::Missing, error);
        return refused(RestoreReason::failed(QStringLiteral("文件无法读取"), error.message), error);
    }
    const QByteArray header = file.read(100);
    static const QByteArray magic("SQLite format 3", 16); // with its closing zero
    if (!header.startsWith(magic))
        return refused(RestoreReason::ForeignFile, DbError{SQLITE_NOTADB, QStringLiteral("不是数据库文件")});
    if (header.size() < 100)
        return refused(RestoreReason::Incomplete, DbError{SQLITE_CORRUPT, QStringLiteral("文件不完整")});
    const quint64 pageSize = bigEndian(header, 16, 2) == 1 ? 65536 : bigEndian(header, 16, 2);
    // The page count is valid only while the change counter matches it.
    const bool countValid = bigEndian(header, 24, 4) == bigEndian(header, 92, 4);
    if (countValid && quint64(file.size()) < pageSize * bigEndian(header, 28, 4))
        return refused(RestoreReason::Incomplete, DbError{SQLITE_CORRUPT, QStringLiteral("文件不完整")});
    return std::nullopt;
}

// A book made by a newer program would be read by rules it was not made for.
std::optional<Swapped> checkVersion(DbSession& conn)
{
    auto read = conn.query(QStringLiteral("PRAGMA user_version"));
    if (!read)
        return refused(RestoreReason::fromDb(read.error()), read.error());
    const int version = read->data().constFirst().constFirst().toInt();
    if (version <= SchemaUpgrade::currentVersion())
        return std::nullopt;
    return refused({RestoreReason::NewerVersion, QString::number(version)},
                   DbError{SQLITE_ERROR, QStringLiteral("数据库版本为 %1").arg(version)});
}
}

DatabaseSwap::Swapped DatabaseSwap::check(const QString& path)
{
    if (auto header = checkHeader(path))
        return *header;
    auto conn = Database::openFile(path);
    if (!conn)
        return refused(RestoreReason::fromDb(conn.error()), conn.error());
    auto check = conn->query(QStringLiteral("PRAGMA integrity_check"));
    if (!check)
        return refused(check.error().code == SQLITE_NOTADB ? RestoreReason::ForeignFile : RestoreReason::Incomplete,
                       check.error());
    const QString verdict = check->isEmpty() ? QString() : check->data().constFirst().constFirst().toString();
    if (verdict != QStringLiteral("ok"))
        return refused(RestoreReason::Incomplete, DbError{SQLITE_CORRUPT, verdict});
    auto tables = conn->query(QStringLiteral("select name from sqlite_master where type='table'"));
    if (!tables)
        return refused(RestoreReason::fromDb(tables.error()), tables.error());
    QSet<QString> present;
    for (int i = 0; i < tables->count(); ++i)
        present.insert(tables->text(i, QStringLiteral("name")));
    QStringList missing;
    for (const QString& table : bookTables()) {
        if (!present.contains(table))
            missing << table;
    }
    // Without any of the books' tables it is another program's database.
    if (missing.size() == bookTables().size())
        return refused(RestoreReason::ForeignFile, DbError{SQLITE_NOTADB, QStringLiteral("不是本店的数据库")});
    if (!missing.isEmpty())
        return refused({RestoreReason::MissingTable, missing.constFirst()},
                       DbError{SQLITE_NOTADB, QStringLiteral("缺少数据表 ") + missing.constFirst()});
    if (auto newer = checkVersion(*conn))
        return *newer;
    return {};
}

QString DatabaseSwap::workFile(const QString& databaseFile)
{
    return QFileInfo(databaseFile).absolutePath() + QStringLiteral("/db_kcgl_temp.mdb");
}

bool DatabaseSwap::removeJournals(const QString& path)
{
    bool removed = true;
    for (const char* suffix : {"-journal", "-wal", "-shm"}) {
        const QString journal = path + QLatin1String(suffix);
        removed = (!QFileInfo::exists(journal) || QFile::remove(journal)) && removed;
    }
    return removed;
}

bool DatabaseSwap::removeWithJournals(const QString& path)
{
    const bool file = !QFileInfo::exists(path) || QFile::remove(path);
    return removeJournals(path) && file;
}

DatabaseSwap::Swapped DatabaseSwap::replace(const QString& candidate, const QString& databaseFile)
{
    if (Swapped sound = check(candidate); !sound)
        return sound;
    QFile::setPermissions(candidate, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    // SQLite syncs only what a transaction wrote: a candidate that needed no
    // upgrade may still sit in the cache.
    if (const DbStatus synced = FileSync::file(candidate); !synced)
        return refused(RestoreReason::fromSystem(synced.error().code), synced.error());
    // rename(2) replaces the target in one step: the old file stays whole
    // until the new one is in place.
    if (std::rename(QFile::encodeName(candidate).constData(), QFile::encodeName(databaseFile).constData()) != 0) {
        const int code = errno;
        return refused(RestoreReason::fromSystem(code), DbError{code, QString::fromLocal8Bit(std::strerror(code))});
    }
    // A journal left by a crash belongs to the old file; rolled into the new
    // one it would corrupt it.
    removeJournals(databaseFile);
    // The new books are in place either way: a folder that cannot be synced
    // leaves nothing to undo.
    FileSync::folder(QFileInfo(databaseFile).absolutePath());
    return {};
}

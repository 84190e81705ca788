#include "dbreason.h"

#include <sqlite3.h>

QString DbReason::words(const DbError& error)
{
    // Extended codes carry the primary one in their low byte.
    switch (error.code & 0xff) {
    case SQLITE_READONLY:
        return QStringLiteral("文件只读");
    case SQLITE_FULL:
        return QStringLiteral("磁盘空间不足");
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return QStringLiteral("文件损坏");
    case SQLITE_CANTOPEN:
        return QStringLiteral("文件无法打开");
    case SQLITE_IOERR:
        return QStringLiteral("读写文件出错");
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("数据库正被使用");
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return QStringLiteral("没有权限");
    case SQLITE_NOMEM:
        return QStringLiteral("内存不足");
    default:
        // A statement the book cannot run: its tables are not as this program expects.
        return QStringLiteral("数据库与本程序不符");
    }
}

QString DbReason::explain(const DbError& error) { return withCause(words(error), error.text()); }

QString DbReason::withCause(const QString& words, const QString& cause)
{
    return words + QStringLiteral("（") + cause + QStringLiteral("）");
}

#include "restorereason.h"
#include "dbreason.h"
#include "schemaupgrade.h"

#include <cerrno>
#include <cstring>
#include <sqlite3.h>

RestoreReason RestoreReason::fromDb(const DbError& error)
{
    switch (error.code & 0xff) {
    case SQLITE_FULL:
        return NoSpace;
    case SQLITE_CORRUPT:
        return Incomplete;
    case SQLITE_NOTADB:
        return ForeignFile;
    case SQLITE_READONLY:
        return ReadOnly;
    default:
        return {Failed, DbReason::explain(error)};
    }
}

RestoreReason RestoreReason::fromSystem(int code)
{
    switch (code) {
    case ENOSPC:
    case EDQUOT:
        return NoSpace;
    case ENOENT:
        return Missing;
    case EROFS:
    case EACCES:
    case EPERM:
        return ReadOnly;
    default:
        return failed(QStringLiteral("读写文件出错"), QString::fromLocal8Bit(std::strerror(code)));
    }
}

RestoreReason RestoreReason::failed(const QString& words, const QString& cause)
{
    return {Failed, DbReason::withCause(words, cause)};
}

QString RestoreReason::text() const
{
    switch (kind) {
    case Unknown:
        break;
    case ForeignFile:
        return QStringLiteral("文件不是本店的数据库");
    case Incomplete:
        return QStringLiteral("文件不完整");
    case MissingTable:
        return QStringLiteral("缺少表 ") + detail;
    case EntryRefused:
        return QStringLiteral("压缩包条目被拒绝");
    case NoSpace:
        return QStringLiteral("磁盘空间不足");
    case NewerVersion:
        return QStringLiteral("备份文件来自较新版本的程序（数据库版本 %1，本程序只认识到版本 %2）")
            .arg(detail)
            .arg(SchemaUpgrade::currentVersion());
    case UpgradeFailed:
        return detail;
    case TooLarge:
        return QStringLiteral("文件过大");
    case Missing:
        return QStringLiteral("文件不存在");
    case InUse:
        return QStringLiteral("所选文件正被本程序使用");
    case ReadOnly:
        return QStringLiteral("文件只读");
    case Failed:
        return detail;
    }
    return {};
}

QString RestoreResult::message() const
{
    if (restored)
        return QStringLiteral("成功恢复数据！");
    const QString why = reason.text();
    return why.isEmpty() ? QStringLiteral("数据恢复失败！") : QStringLiteral("数据恢复失败！\n") + why;
}

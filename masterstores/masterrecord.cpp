#include "masterrecord.h"

#include <QStringList>
#include <sqlite3.h>

QVariant MasterRecord::value(const QString& column) const
{
    for (const auto& [name, value] : values) {
        if (name == column)
            return value;
    }
    return {};
}

DbResult<Rows> ReadMasterRecord(DbSession& session, const QString& table, const QString& numberColumn, const QVariant& number)
{
    return session.query(QStringLiteral("select * from \"%1\" where \"%2\" = ? order by rowid limit 1").arg(table, numberColumn),
                         {number});
}

DbResult<QStringList> ReadNames(DbSession& session, const QString& table)
{
    auto rows = session.query(QStringLiteral("select 名称 from \"%1\" order by rowid").arg(table));
    if (!rows)
        return rows.error();
    QStringList names;
    for (int r = 0; r < rows->count(); ++r)
        names << rows->value(r, 0).toString().trimmed();
    return names;
}

DbStatus DeleteMasterRecord(DbSession& session, const QString& table, const QString& numberColumn, const QVariant& number,
                            const QStringList& alsoFrom)
{
    for (const QString& from : QStringList{table} + alsoFrom) {
        auto deleted = session.exec(QStringLiteral("delete from \"%1\" where \"%2\" = ?").arg(from, numberColumn), {number});
        if (!deleted)
            return deleted.error();
    }
    return {};
}

DbStatus WriteMasterRecord(DbSession& session, const MasterRecord& record, bool isNew)
{
    if (isNew)
        return session.insert(record.table, record.values).status();
    QStringList assignments;
    QVariantList params;
    for (const auto& [column, value] : record.values) {
        assignments << QStringLiteral("\"%1\" = ?").arg(column);
        params << value;
    }
    params << record.oldNumber;
    auto changed = session.exec(QStringLiteral("update \"%1\" set %2 where \"%3\" = ?")
                                    .arg(record.table, assignments.join(QStringLiteral(", ")), record.numberColumn),
                                params);
    if (!changed)
        return changed.error();
    if (*changed == 0)
        return DbError{SQLITE_NOTFOUND, QStringLiteral("记录[%1]已不存在").arg(record.oldNumber)};
    return {};
}

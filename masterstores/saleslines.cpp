#include "saleslines.h"

#include <QStringList>
#include <sqlite3.h>

DbResult<SalesLines> ReadSalesLines(DbSession& session, const QString& nameColumn, const QString& name, const QString& kind,
                                    const std::optional<DatePeriod>& period)
{
    static const QStringList nameColumns{QStringLiteral("业务员"), QStringLiteral("客户"), QStringLiteral("介绍人")};
    if (!nameColumns.contains(nameColumn))
        return DbError{SQLITE_MISUSE, QStringLiteral("no name column %1 in 出库单明细").arg(nameColumn)};
    SalesLines result;
    if (name.isEmpty())
        return result;

    QString sql =
        QStringLiteral("select 日期, 商品名称, 金额, 利润金额 from 出库单明细 where \"%1\" = ? and 类别2 = ?").arg(nameColumn);
    QVariantList params{name, kind};
    if (period) {
        sql += QStringLiteral(" and 日期 >= ? and 日期 <= ?");
        params << period->first << period->last;
    }
    // Newest day first; the lines of one day in the order they were written.
    sql += QStringLiteral(" order by 日期 desc, rowid");
    auto rows = session.query(sql, params);
    if (!rows)
        return rows.error();
    result.lines.reserve(rows->count());
    for (const QVariantList& row : rows->data()) {
        result.lines.append({row[0].toString(), row[1].toString(), row[2], row[3]});
        result.amount += row[2].toDouble();
        result.profit += row[3].toDouble();
    }
    return result;
}

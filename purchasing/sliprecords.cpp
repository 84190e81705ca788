#include "sliprecords.h"

namespace SlipRecords {

DbResult<Rows> headers(DbSession& session, const SlipDesign& design, const RecordsCondition& condition,
                       const QString& onDate)
{
    QStringList where;
    QVariantList params;
    auto require = [&](const QString& test, const QVariant& value = {}) {
        where << test;
        if (value.isValid())
            params << value;
    };
    if (!design.category.isEmpty())
        require(QStringLiteral("类别 = ?"), design.category);
    if (!onDate.isEmpty())
        require(QStringLiteral("日期 = ?"), onDate);
    // An empty text asks nothing of its column: every slip the rest allows.
    if (!condition.column.isEmpty() && !condition.text.isEmpty())
        require(condition.column + QStringLiteral(" like '%' || ? || '%'"), condition.text);
    if (!condition.fromDate.isEmpty())
        require(QStringLiteral("日期 >= ?"), condition.fromDate);
    if (!condition.toDate.isEmpty())
        require(QStringLiteral("日期 <= ?"), condition.toDate);
    if (!condition.upToDate.isEmpty())
        require(QStringLiteral("日期 <= ?"), condition.upToDate);
    if (condition.openBalance)
        require(QStringLiteral("尚欠金额 <> 0"));
    QString sql = QStringLiteral("select * from ") + design.headerTable;
    if (!where.isEmpty())
        sql += QStringLiteral(" where ") + where.join(QStringLiteral(" and "));
    return session.query(sql + QStringLiteral(" order by rowid"), params);
}

DbResult<Rows> lines(DbSession& session, const SlipDesign& design, const QString& number)
{
    return session.query(QStringLiteral("select * from %1 where 单号 = ? order by rowid").arg(design.lineTable), {number});
}

DbResult<Rows> payments(DbSession& session, const SlipDesign& design, const QString& number)
{
    return session.query(QStringLiteral("select * from %1 where 单号 = ? order by 日期, 时间, rowid").arg(design.paymentTable),
                         {number});
}

}

#include "sliprecords.h"

namespace SlipRecords {

DbResult<Rows> headers(DbSession& session, const SlipDesign& design, const QStringList& columns,
                       const RecordsCondition& condition, const QString& onDate)
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
    // The slips are found through the indexes, and only their rowids are
    // sorted: the rows are then read in table order, never sorted whole.
    QString found = QStringLiteral("select rowid from ") + design.headerTable;
    if (!where.isEmpty())
        found += QStringLiteral(" where ") + where.join(QStringLiteral(" and "));
    return session.query(QStringLiteral("select %1 from %2 where rowid in (%3) order by rowid")
                             .arg(columns.join(QStringLiteral(", ")), design.headerTable, found),
                         params);
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

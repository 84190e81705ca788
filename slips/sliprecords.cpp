#include "sliprecords.h"

namespace SlipRecords {
namespace {
// The tests a header row must pass, with their values bound in order.
struct Where {
    QStringList tests;
    QVariantList params;

    void require(const QString& test, const QVariant& value = {})
    {
        tests << test;
        if (value.isValid())
            params << value;
    }
};

// The design's header rows are those of its kind.
Where ofKind(const SlipDesign& design)
{
    Where where;
    if (!design.category.isEmpty())
        where.require(QStringLiteral("类别 = ?"), design.category);
    return where;
}

DbResult<Rows> select(DbSession& session, const SlipDesign& design, const QStringList& columns, const Where& where)
{
    // The slips are found through the indexes, and only their rowids are
    // sorted: the rows are then read in table order, never sorted whole.
    QString found = QStringLiteral("select rowid from ") + design.headerTable;
    if (!where.tests.isEmpty())
        found += QStringLiteral(" where ") + where.tests.join(QStringLiteral(" and "));
    return session.query(QStringLiteral("select %1 from %2 where rowid in (%3) order by rowid")
                             .arg(columns.join(QStringLiteral(", ")), design.headerTable, found),
                         where.params);
}
}

DbResult<Rows> headers(DbSession& session, const SlipDesign& design, const QStringList& columns,
                       const RecordsCondition& condition, const QString& onDate)
{
    Where where = ofKind(design);
    if (!onDate.isEmpty())
        where.require(QStringLiteral("日期 = ?"), onDate);
    // An empty text asks nothing of its column: every slip the rest allows.
    if (!condition.column.isEmpty() && !condition.text.isEmpty())
        where.require(condition.column + QStringLiteral(" like '%' || ? || '%'"), condition.text);
    if (!condition.fromDate.isEmpty())
        where.require(QStringLiteral("日期 >= ?"), condition.fromDate);
    if (!condition.toDate.isEmpty())
        where.require(QStringLiteral("日期 <= ?"), condition.toDate);
    if (!condition.upToDate.isEmpty())
        where.require(QStringLiteral("日期 <= ?"), condition.upToDate);
    if (condition.openBalance)
        where.require(QStringLiteral("尚欠金额 <> 0"));
    return select(session, design, columns, where);
}

DbResult<Rows> header(DbSession& session, const SlipDesign& design, const QStringList& columns, const QString& number)
{
    Where where = ofKind(design);
    where.require(QStringLiteral("单号 = ?"), number);
    return select(session, design, columns, where);
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

#include "salestotals.h"

#include <QList>

namespace SalesTotals {

const QString GoodsMonths = QStringLiteral("商品月计");
const QString CustomerMonths = QStringLiteral("客户月计");
const QString SalesmanMonths = QStringLiteral("业务员月计");
const QString LineDays = QStringLiteral("销售日计");
const QString SlipDays = QStringLiteral("出库单日计");

QString saleLine()
{
    // The kind is tested row by row (the unary +), so a period is read
    // through the date index rather than every year of a kind's index.
    return QStringLiteral("+类别2 = '出库' and 日期 is not null and 类别 is not null and 商品名称 is not null and "
                          "客户 is not null and 业务员 is not null");
}

QString salesSlip() { return QStringLiteral("类别 = '出库' collate binary"); }

namespace {
struct Key {
    QString column;
    QString expression;
};

struct Total {
    const QString& table;
    QString source;
    QString condition;
    QList<Key> keys;
    QStringList sums;
    QString month; // the month of a totals row, for a rebuild of some months
};

const QString Lines = QStringLiteral("出库单明细");
const QString Slips = QStringLiteral("出库单");

const Key Month{QStringLiteral("年月"), QStringLiteral("substr(日期, 1, 7)")};
const Key Day{QStringLiteral("日期"), QStringLiteral("日期")};

Key named(const QString& column) { return {column, column}; }

const QStringList LineSums{QStringLiteral("金额"), QStringLiteral("利润金额")};

const QList<Total>& totals()
{
    static const QList<Total> all{
        {GoodsMonths,
         Lines,
         saleLine(),
         {Month, named(QStringLiteral("商品名称")), named(QStringLiteral("类别"))},
         LineSums + QStringList{QStringLiteral("数量")},
         QStringLiteral("年月")},
        {CustomerMonths, Lines, saleLine(), {Month, named(QStringLiteral("客户"))}, LineSums, QStringLiteral("年月")},
        {SalesmanMonths, Lines, saleLine(), {Month, named(QStringLiteral("业务员"))}, LineSums, QStringLiteral("年月")},
        {LineDays,
         Lines,
         saleLine() + QStringLiteral(" and 年月 is not null"),
         {Day, named(QStringLiteral("年月"))},
         LineSums,
         QStringLiteral("substr(日期, 1, 7)")},
        {SlipDays,
         Slips,
         QStringLiteral("日期 is not null"),
         {Day, {QStringLiteral("出库"), QStringLiteral("coalesce(%1, 0)").arg(salesSlip())}},
         {QStringLiteral("合计数量"), QStringLiteral("合计金额"), QStringLiteral("欠款金额"), QStringLiteral("还款金额"),
          QStringLiteral("合计成本"), QStringLiteral("合计利润")},
         QStringLiteral("substr(日期, 1, 7)")},
    };
    return all;
}

// A row's figure in whole ten-thousandths; an empty one adds nothing.
QString units(const QString& column) { return QStringLiteral("coalesce(CAST(round(%1 * 10000) AS INTEGER), 0)").arg(column); }

QStringList keyColumns(const Total& total)
{
    QStringList columns;
    for (const Key& key : total.keys)
        columns << key.column;
    return columns;
}

QString columnList(const Total& total)
{
    return (keyColumns(total) << QStringLiteral("行数") << total.sums).join(QStringLiteral(", "));
}

// The rows of the source, summed per key; where narrows them.
QString scan(const Total& total, const QString& where = {})
{
    QStringList values;
    for (const Key& key : total.keys)
        values << key.expression;
    const QString groups = values.join(QStringLiteral(", "));
    values << QStringLiteral("count(*)");
    for (const QString& sum : total.sums)
        values << QStringLiteral("sum(%1)").arg(units(sum));
    return QStringLiteral("SELECT %1 FROM %2 WHERE %3%4 GROUP BY %5")
        .arg(values.join(QStringLiteral(", ")), total.source, total.condition, where, groups);
}

QString quoted(QString name)
{
    return QLatin1Char('"') + name.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}
}

const QStringList& tables()
{
    static const QStringList names = [] {
        QStringList list;
        for (const Total& total : totals())
            list << total.table;
        return list;
    }();
    return names;
}

bool followsTable(const QString& table) { return table == Lines || table == Slips; }

DbStatus rebuild(DbSession& session, const QString& firstMonth, const QString& lastMonth)
{
    const bool all = firstMonth.isEmpty() && lastMonth.isEmpty();
    // Whole months, the source's rows found through its date index.
    const QVariantList months{firstMonth.isEmpty() ? QStringLiteral("0000-00") : firstMonth,
                              lastMonth.isEmpty() ? QStringLiteral("9999-99") : lastMonth};
    const QString rows = all ? QString()
                             : QStringLiteral(" and 日期 >= ?1 and 日期 <= ?2 || '~' and substr(日期, 1, 7) between ?1 and ?2");
    for (const Total& total : totals()) {
        const QString within = all ? QString() : QStringLiteral(" WHERE %1 between ?1 and ?2").arg(total.month);
        const QVariantList params = all ? QVariantList() : months;
        if (auto cleared = session.exec(QStringLiteral("DELETE FROM ") + total.table + within, params); !cleared)
            return cleared.error();
        const QString insert = QStringLiteral("INSERT INTO %1 (%2) ").arg(total.table, columnList(total));
        if (auto filled = session.exec(insert + scan(total, rows), params); !filled)
            return filled.error();
    }
    return {};
}

DbStatus bulkChange(DbSession& session, const QString& firstDay, const QString& lastDay, const std::function<DbStatus()>& change)
{
    // The totals' triggers as the book holds them, whichever step made them
    // (it named them totals_): never a newer text than the book's version.
    auto held = session.query(QStringLiteral(
                                  "select name, sql from sqlite_master where type = 'trigger' and name glob 'totals_*' "
                                  "and tbl_name in (?, ?) order by name"),
                              {Lines, Slips});
    if (!held)
        return held.error();
    for (int i = 0; i < held->count(); ++i) {
        if (auto dropped = session.exec(QStringLiteral("DROP TRIGGER ") + quoted(held->text(i, QStringLiteral("name"))));
            !dropped)
            return dropped.error();
    }
    if (auto changed = change(); !changed)
        return changed;
    const QString first = firstDay.left(7);
    const QString last = lastDay.left(7);
    if (auto rebuilt = rebuild(session, first.isEmpty() ? QStringLiteral("0000-00") : first,
                               last.isEmpty() ? QStringLiteral("9999-99") : last);
        !rebuilt)
        return rebuilt;
    for (int i = 0; i < held->count(); ++i) {
        if (auto made = session.exec(held->text(i, QStringLiteral("sql"))); !made)
            return made.error();
    }
    return {};
}

DbResult<QStringList> verify(DbSession& session)
{
    QStringList differences;
    for (const Total& total : totals()) {
        const QString stored = QStringLiteral("SELECT %1 FROM %2").arg(columnList(total), total.table);
        const QString sql = QStringLiteral(
                                "SELECT 'stored', * FROM (%1 EXCEPT %2) UNION ALL SELECT 'scanned', * FROM (%2 EXCEPT %1)")
                                .arg(stored, scan(total));
        auto rows = session.query(sql);
        if (!rows)
            return rows.error();
        for (int r = 0; r < rows->count(); ++r) {
            QStringList values;
            for (int c = 0; c < rows->columns().size(); ++c)
                values << rows->value(r, c).toString();
            differences << total.table + QStringLiteral(": ") + values.join(QLatin1Char(' '));
        }
    }
    return differences;
}

}

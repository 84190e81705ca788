#include "salestotals.h"

#include <QList>
#include <algorithm>

namespace SalesTotals {

const QString GoodsMonths = QStringLiteral("商品月计");
const QString CustomerMonths = QStringLiteral("客户月计");
const QString SalesmanMonths = QStringLiteral("业务员月计");
const QString LineDays = QStringLiteral("销售日计");
const QString SlipDays = QStringLiteral("出库单日计");

namespace {
// In every text below, %1 stands for the source row's prefix: "new.",
// "old." or nothing in a scan.
struct Key {
    QString column;
    QString type;
    QString expression;
};

struct Total {
    const QString& table;
    QString source;
    QString condition;
    QList<Key> keys;
    QStringList sums;
    QString month; // the month of a totals row, for a rebuild of some months
    // An index of every column, so that a period is read from an index in
    // date order as the period summary reads its other books; empty: none.
    QString coveringIndex = {};
};

struct Source {
    QString table;
    QString triggerPrefix;
    QStringList watched; // the columns an update must change to move a total
};

const QString Lines = QStringLiteral("出库单明细");
const QString Slips = QStringLiteral("出库单");

const QString SaleLine = QStringLiteral("%1类别2 = '出库' and %1日期 is not null and %1类别 is not null and "
                                        "%1商品名称 is not null and %1客户 is not null and %1业务员 is not null");
const Key Month{QStringLiteral("年月"), QStringLiteral("TEXT"), QStringLiteral("substr(%1日期, 1, 7)")};
const Key Day{QStringLiteral("日期"), QStringLiteral("TEXT"), QStringLiteral("%1日期")};

Key named(const QString& column) { return {column, QStringLiteral("TEXT COLLATE NOCASE"), QLatin1String("%1") + column}; }

const QStringList LineSums{QStringLiteral("金额"), QStringLiteral("利润金额")};

const QList<Total>& totals()
{
    static const QList<Total> all{
        {GoodsMonths,
         Lines,
         SaleLine,
         {Month, named(QStringLiteral("商品名称")), named(QStringLiteral("类别"))},
         LineSums + QStringList{QStringLiteral("数量")},
         QStringLiteral("年月")},
        {CustomerMonths, Lines, SaleLine, {Month, named(QStringLiteral("客户"))}, LineSums, QStringLiteral("年月")},
        {SalesmanMonths, Lines, SaleLine, {Month, named(QStringLiteral("业务员"))}, LineSums, QStringLiteral("年月")},
        {LineDays,
         Lines,
         SaleLine + QStringLiteral(" and %1年月 is not null"),
         {Day, {QStringLiteral("年月"), QStringLiteral("TEXT"), QStringLiteral("%1年月")}},
         LineSums,
         QStringLiteral("substr(日期, 1, 7)")},
        {SlipDays,
         Slips,
         QStringLiteral("%1日期 is not null"),
         {Day,
          {QStringLiteral("出库"), QStringLiteral("INTEGER"), QStringLiteral("coalesce(%1类别 = '出库' collate binary, 0)")}},
         {QStringLiteral("合计数量"), QStringLiteral("合计金额"), QStringLiteral("欠款金额"), QStringLiteral("还款金额"),
          QStringLiteral("合计成本"), QStringLiteral("合计利润")},
         QStringLiteral("substr(日期, 1, 7)"),
         QStringLiteral("ix_slip_days_date")},
    };
    return all;
}

const QList<Source>& sources()
{
    static const QList<Source> all{
        {Lines,
         QStringLiteral("totals_lines"),
         {QStringLiteral("日期"), QStringLiteral("年月"), QStringLiteral("类别2"), QStringLiteral("商品名称"),
          QStringLiteral("类别"), QStringLiteral("客户"), QStringLiteral("业务员"), QStringLiteral("数量"),
          QStringLiteral("金额"), QStringLiteral("利润金额")}},
        {Slips,
         QStringLiteral("totals_slips"),
         {QStringLiteral("日期"), QStringLiteral("类别"), QStringLiteral("合计数量"), QStringLiteral("合计金额"),
          QStringLiteral("欠款金额"), QStringLiteral("还款金额"), QStringLiteral("合计成本"), QStringLiteral("合计利润")}},
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

QStringList keyValues(const Total& total, const QString& row)
{
    QStringList values;
    for (const Key& key : total.keys)
        values << key.expression.arg(row);
    return values;
}

QString columnList(const Total& total)
{
    return (keyColumns(total) << QStringLiteral("行数") << total.sums).join(QStringLiteral(", "));
}

// The row's keys matched against a totals row's.
QString sameKeys(const Total& total, const QString& row)
{
    QStringList tests;
    for (const Key& key : total.keys)
        tests << QStringLiteral("%1 = %2").arg(key.column, key.expression.arg(row));
    return tests.join(QStringLiteral(" and "));
}

QString createTable(const Total& total)
{
    QStringList columns;
    for (const Key& key : total.keys)
        columns << key.column + QLatin1Char(' ') + key.type;
    columns << QStringLiteral("行数 INTEGER NOT NULL");
    for (const QString& sum : total.sums)
        columns << sum + QStringLiteral(" INTEGER NOT NULL");
    return QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (%2, PRIMARY KEY (%3)) WITHOUT ROWID")
        .arg(total.table, columns.join(QStringLiteral(", ")), keyColumns(total).join(QStringLiteral(", ")));
}

QString addRow(const Total& total)
{
    QStringList values = keyValues(total, QStringLiteral("new."));
    QStringList updates{QStringLiteral("行数 = 行数 + 1")};
    values << QStringLiteral("1");
    for (const QString& sum : total.sums) {
        values << units(QStringLiteral("new.") + sum);
        updates << QStringLiteral("%1 = %1 + excluded.%1").arg(sum);
    }
    return QStringLiteral("INSERT INTO %1 (%2) SELECT %3 WHERE %4 ON CONFLICT (%5) DO UPDATE SET %6;")
        .arg(total.table, columnList(total), values.join(QStringLiteral(", ")), total.condition.arg(QStringLiteral("new.")),
             keyColumns(total).join(QStringLiteral(", ")), updates.join(QStringLiteral(", ")));
}

QString removeRow(const Total& total)
{
    QStringList updates{QStringLiteral("行数 = 行数 - 1")};
    for (const QString& sum : total.sums)
        updates << QStringLiteral("%1 = %1 - %2").arg(sum, units(QStringLiteral("old.") + sum));
    const QString keys = sameKeys(total, QStringLiteral("old."));
    return QStringLiteral("UPDATE %1 SET %2 WHERE %3 and %4; DELETE FROM %1 WHERE %3 and 行数 = 0;")
        .arg(total.table, updates.join(QStringLiteral(", ")), keys, total.condition.arg(QStringLiteral("old.")));
}

// The rows of the source, summed per key; where narrows them.
QString scan(const Total& total, const QString& where = {})
{
    QStringList values = keyValues(total, {});
    const QString groups = values.join(QStringLiteral(", "));
    values << QStringLiteral("count(*)");
    for (const QString& sum : total.sums)
        values << QStringLiteral("sum(%1)").arg(units(sum));
    return QStringLiteral("SELECT %1 FROM %2 WHERE %3%4 GROUP BY %5")
        .arg(values.join(QStringLiteral(", ")), total.source, total.condition.arg(QString()), where, groups);
}

QStringList triggerStatements(const Source& source)
{
    QString added;
    QString removed;
    for (const Total& total : totals()) {
        if (total.source != source.table)
            continue;
        added += addRow(total);
        removed += removeRow(total);
    }
    const QString on = source.table;
    return {
        QStringLiteral("CREATE TRIGGER IF NOT EXISTS %1_insert AFTER INSERT ON %2 BEGIN %3 END")
            .arg(source.triggerPrefix, on, added),
        QStringLiteral("CREATE TRIGGER IF NOT EXISTS %1_delete AFTER DELETE ON %2 BEGIN %3 END")
            .arg(source.triggerPrefix, on, removed),
        QStringLiteral("CREATE TRIGGER IF NOT EXISTS %1_update AFTER UPDATE OF %2 ON %3 BEGIN %4 %5 END")
            .arg(source.triggerPrefix, source.watched.join(QStringLiteral(", ")), on, removed, added),
    };
}

DbStatus run(DbSession& session, const QStringList& statements, const QVariantList& params = {})
{
    for (const QString& statement : statements) {
        if (auto done = session.exec(statement, params); !done)
            return done.error();
    }
    return {};
}

DbStatus createTriggers(DbSession& session)
{
    for (const Source& source : sources()) {
        if (auto created = run(session, triggerStatements(source)); !created)
            return created;
    }
    return {};
}

DbStatus dropTriggers(DbSession& session)
{
    QStringList drops;
    for (const Source& source : sources()) {
        for (const char* event : {"insert", "delete", "update"})
            drops << QStringLiteral("DROP TRIGGER %1_%2").arg(source.triggerPrefix, QLatin1String(event));
    }
    return run(session, drops);
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

bool followsTable(const QString& table)
{
    return std::any_of(sources().cbegin(), sources().cend(), [&table](const Source& source) { return source.table == table; });
}

DbStatus create(DbSession& session)
{
    QStringList statements;
    for (const Total& total : totals()) {
        statements << createTable(total);
        if (!total.coveringIndex.isEmpty())
            statements << QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2 (%3)")
                              .arg(total.coveringIndex, total.table, columnList(total));
    }
    if (auto created = run(session, statements); !created)
        return created;
    if (auto triggers = createTriggers(session); !triggers)
        return triggers;
    return rebuild(session);
}

DbStatus addToBook(DbSession& session)
{
    const QStringList indexes{
        QStringLiteral("DROP INDEX IF EXISTS ix_out_lines_kind_month"),
        QStringLiteral("DROP INDEX IF EXISTS ix_out_lines_kind_goods"),
        QStringLiteral("DROP INDEX IF EXISTS ix_out_lines_kind_customer"),
        QStringLiteral("DROP INDEX IF EXISTS ix_out_lines_kind_salesman"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS ix_out_lines_customer_date ON 出库单明细 (类别2, 客户, 日期)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS ix_out_lines_salesman_date ON 出库单明细 (类别2, 业务员, 日期)"),
    };
    if (auto swapped = run(session, indexes); !swapped)
        return swapped;
    return create(session);
}

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
    if (auto dropped = dropTriggers(session); !dropped)
        return dropped;
    if (auto changed = change(); !changed)
        return changed;
    const QString first = firstDay.left(7);
    const QString last = lastDay.left(7);
    if (auto rebuilt = rebuild(session, first.isEmpty() ? QStringLiteral("0000-00") : first,
                               last.isEmpty() ? QStringLiteral("9999-99") : last);
        !rebuilt)
        return rebuilt;
    return createTriggers(session);
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

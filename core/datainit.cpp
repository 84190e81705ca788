#include "datainit.h"
#include "dbsession.h"
#include "salestotals.h"

#include <algorithm>

namespace DataInit {

namespace {
// The sales totals are no books of their own: they follow the lines.
bool offered(const QString& table)
{
    if (SalesTotals::tables().contains(table))
        return false;
    static const QStringList hiddenPrefixes{QStringLiteral("MSys"), QStringLiteral("sysd"), QStringLiteral("tb_e"),
                                            QStringLiteral("sqlite_")};
    for (const QString& prefix : hiddenPrefixes) {
        if (table.startsWith(prefix, Qt::CaseSensitive))
            return false;
    }
    return true;
}

QString quotedName(QString table)
{
    return QLatin1Char('"') + table.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}
}

DbResult<QStringList> tables()
{
    auto rows = Database::read([](DbSession& s) {
        return s.query(QStringLiteral("select name from sqlite_master where type = 'table' order by rowid"));
    });
    if (!rows)
        return rows.error();
    QStringList result;
    for (int i = 0; i < rows->count(); ++i) {
        const QString name = rows->text(i, QStringLiteral("name"));
        if (offered(name))
            result << name;
    }
    return result;
}

const QStringList& openingTables()
{
    static const QStringList names{QStringLiteral("业务员"),   QStringLiteral("供应商"), QStringLiteral("商品信息"),
                                   QStringLiteral("商品类别"), QStringLiteral("客户"),   QStringLiteral("店铺信息"),
                                   QStringLiteral("计量单位")};
    return names;
}

DbStatus emptyTables(const QStringList& tables, const std::function<void()>& afterEach)
{
    return Database::runInTransaction([&](DbSession& s) -> DbStatus {
        const auto empty = [&]() -> DbStatus {
            for (const QString& table : tables) {
                auto deleted = s.exec(QStringLiteral("delete from ") + quotedName(table));
                if (!deleted)
                    return deleted.error();
                afterEach();
            }
            return {};
        };
        // Emptied lines take their totals along in one rebuild, not row by row.
        if (std::any_of(tables.cbegin(), tables.cend(), SalesTotals::followsTable))
            return SalesTotals::bulkChange(s, {}, {}, empty);
        return empty();
    });
}

}

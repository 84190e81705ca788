#include "purge.h"
#include "dbsession.h"
#include "salestotals.h"

#include <QStringList>

namespace {
// In the order they are emptied.
const QStringList& slipTables()
{
    static const QStringList tables{
        QStringLiteral("入库单"),     QStringLiteral("入库单明细"),  QStringLiteral("入库单明细1"), QStringLiteral("出库单"),
        QStringLiteral("出库单明细"), QStringLiteral("出库单明细1"), QStringLiteral("盘点单"),      QStringLiteral("盘点单明细"),
        QStringLiteral("调失单"),     QStringLiteral("调失单明细"),  QStringLiteral("日常支出"),
    };
    return tables;
}
}

DbStatus purgeSlips(const QDate& upTo)
{
    const QString day = upTo.toString(QStringLiteral("yyyy-MM-dd"));
    return Database::runInTransaction([&](DbSession& s) -> DbStatus {
        // Years of lines go at once: their months are summed again, not line by line.
        return SalesTotals::bulkChange(s, {}, day, [&]() -> DbStatus {
            for (const QString& table : slipTables()) {
                if (auto deleted = s.exec(QStringLiteral("delete from %1 where 日期<=?").arg(table), {day}); !deleted)
                    return deleted.error();
            }
            return {};
        });
    });
}

#pragma once
// Lines of sales and sales returns (出库单明细) drawn for one person: the
// salesman performance and the customer histories read them the same way.
#include "dbsession.h"

#include <QList>
#include <QString>
#include <optional>

// Days from first to last, both included, as 'yyyy-mm-dd' texts.
struct DatePeriod {
    QString first;
    QString last;
};

struct SalesLine {
    QString date;
    QString goods;
    QVariant amount; // as stored, so a grid formats it itself
    QVariant profit;
};

// The lines of one kind, newest first, with the exact sums of their amounts
// and profits (not of rounded cells).
struct SalesLines {
    QList<SalesLine> lines;
    double amount = 0;
    double profit = 0;
};

namespace SalesLineKinds {
inline const QString Sale = QStringLiteral("出库");
inline const QString Return = QStringLiteral("退货");
}

// The lines whose nameColumn (业务员, 客户 or 介绍人) holds exactly name and
// whose 类别2 is kind, within the period when one is given. An empty name
// belongs to no one and gives no lines.
DbResult<SalesLines> ReadSalesLines(DbSession& session, const QString& nameColumn, const QString& name, const QString& kind,
                                    const std::optional<DatePeriod>& period = std::nullopt);

#include "slipnumber.h"
#include "amount.h"
#include "slipbook.h"

namespace {
QString numbered(const QString& letter, qint64 counter)
{
    const QString digits = QStringLiteral("%1").arg(qAbs(counter), 7, 10, QLatin1Char('0'));
    return letter + (counter < 0 ? QLatin1Char('-') + digits : digits);
}

DbResult<qint64> lastCounter(DbSession& session, const SlipDesign& design)
{
    // Rows without a number are no slips to count on.
    QString sql = QStringLiteral("select 单号 from %1 where trim(单号) <> ''").arg(design.headerTable);
    QVariantList params;
    if (!design.category.isEmpty()) {
        sql += QStringLiteral(" and 类别 = ?");
        params << design.category;
    }
    auto rows = session.query(sql + QStringLiteral(" order by 单号 desc limit 1"), params);
    if (!rows)
        return rows.error();
    if (rows->isEmpty())
        return qint64(0);
    const QString last = rows->text(0, QStringLiteral("单号")).trimmed();
    return Amount::fromText(last.right(7)).rounded(0).tenThousandths() / Amount::Scale;
}
}

DbResult<QString> NextSlipNumber(DbSession& session, const SlipDesign& design)
{
    auto counter = lastCounter(session, design);
    if (!counter)
        return counter.error();
    for (qint64 next = *counter + 1;; ++next) {
        const QString number = numbered(design.letter, next);
        auto held = SlipBook::numberHeld(session, design, number);
        if (!held)
            return held.error();
        if (!*held)
            return number;
    }
}

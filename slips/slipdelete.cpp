#include "slipdelete.h"
#include "slipbook.h"

#include <QHash>

namespace {
const QString ShortStock = QStringLiteral("库存量与库存金额已小于该单号数值，不符合删除条件！");

// A stock row as read, and the level the lines taken back so far leave it at.
struct TakenRow {
    SlipBook::StockRow read;
    StockLevel level;
};

DbResult<Rows> readLines(DbSession& session, const SlipDesign& design, const QString& number)
{
    const QString value = design.takeBack == TakeBack::CostAmount ? QStringLiteral("成本金额") : QStringLiteral("单价");
    return session.query(
        QStringLiteral("select 商品编号, 数量, %1, 商品名称 from %2 where 单号 = ? order by rowid").arg(value, design.lineTable),
        {number});
}

MovedValue takenValue(const SlipDesign& design, const Rows& lines, int i)
{
    const Amount third = Amount::fromValue(lines.value(i, 2));
    if (design.takeBack == TakeBack::CostAmount)
        return {third};
    return {Amount::fromValue(lines.value(i, 1)), third};
}

SlipOutcome remove(DbSession& session, const SlipDesign& design, const QString& number)
{
    const bool sales = design.pointsSign != 0;
    auto header = SlipBook::header(session, design, number,
                                   sales ? QStringLiteral("合计金额, 客户, 介绍人") : QStringLiteral("单号"));
    if (!header)
        return SlipOutcome::failed(header.error());
    if (header->isEmpty())
        return SlipOutcome::notFound();
    auto lines = readLines(session, design, number);
    if (!lines)
        return SlipOutcome::failed(lines.error());

    QList<qint64> order;
    QHash<qint64, TakenRow> taken;
    for (int i = 0; design.takeBack != TakeBack::Nothing && i < lines->count(); ++i) {
        auto row = SlipBook::readStock(session, lines->text(i, QStringLiteral("商品编号")));
        if (!row)
            return SlipOutcome::failed(row.error());
        if (!*row)
            return SlipOutcome::refused(design.missingStockMessage);
        const qint64 rowid = (*row)->rowid;
        if (!taken.contains(rowid)) {
            taken.insert(rowid, TakenRow{**row, (*row)->level});
            order << rowid;
        }
        TakenRow& current = taken[rowid];
        const auto after = StockAfterTakeBack(design, current.level, Amount::fromValue(lines->value(i, 1)),
                                              takenValue(design, *lines, i));
        if (!after)
            return SlipOutcome::refused(ShortStock);
        if (auto refused = SlipBook::stockPastBookLimit(lines->text(i, QStringLiteral("商品名称")), *after))
            return *refused;
        current.level = *after;
    }

    if (sales) {
        const Amount points = -SlipBook::slipPoints(design, Amount::fromValue(header->value(0, 1)));
        for (const QString& role : {QStringLiteral("客户"), QStringLiteral("介绍人")}) {
            if (SlipOutcome moved = SlipBook::movePoints(session, header->text(0, role), points); !moved)
                return moved;
        }
    }
    for (qint64 rowid : order) {
        if (DbStatus written = SlipBook::writeStock(session, taken[rowid].read, taken[rowid].level); !written)
            return SlipOutcome::failed(written.error());
    }
    QList<std::pair<QString, QVariantList>> deletions{{QStringLiteral("delete from %1 where rowid = ?").arg(design.headerTable),
                                                       {header->value(0, 0)}},
                                                      {QStringLiteral("delete from %1 where 单号 = ?").arg(design.lineTable),
                                                       {number}}};
    if (!design.paymentTable.isEmpty())
        deletions.append({QStringLiteral("delete from %1 where 单号 = ?").arg(design.paymentTable), {number}});
    for (const auto& [sql, params] : deletions) {
        if (auto deleted = session.exec(sql, params); !deleted)
            return SlipOutcome::failed(deleted.error());
    }
    return SlipOutcome::done();
}
}

SlipOutcome DeleteSlipWithRollback(DbSession& session, const SlipDesign& design, const QString& number)
{
    return SlipBook::write(session, [&](DbSession& s) { return remove(s, design, number); });
}

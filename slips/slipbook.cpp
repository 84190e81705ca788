#include "slipbook.h"

namespace SlipBook {

SlipOutcome write(DbSession& session, const std::function<SlipOutcome(DbSession&)>& work)
{
    SlipOutcome outcome = SlipOutcome::done();
    const DbStatus status = session.transaction([&](DbSession& s) -> DbStatus {
        outcome = work(s);
        // Anything but done rolls back; the outcome tells why.
        return outcome ? DbStatus() : DbStatus(DbError{});
    });
    if (!status && outcome)
        return SlipOutcome::failed(status.error());
    return outcome;
}

QString dateText(const QDate& date) { return date.toString(QStringLiteral("yyyy-MM-dd")); }
QString monthText(const QDate& date) { return date.toString(QStringLiteral("yyyy-MM")); }
QString timeText(const QTime& time) { return time.toString(QStringLiteral("HH:mm:ss")); }

DbResult<bool> numberHeld(DbSession& session, const SlipDesign& design, const QString& number, qint64 exceptRowid)
{
    auto rows = session.query(QStringLiteral("select 1 from %1 where 单号 = ? and rowid <> ? limit 1").arg(design.headerTable),
                              {number, exceptRowid});
    if (!rows)
        return rows.error();
    return !rows->isEmpty();
}

DbResult<Rows> header(DbSession& session, const SlipDesign& design, const QString& number, const QString& columns)
{
    QString sql = QStringLiteral("select rowid, %1 from %2 where 单号 = ?").arg(columns, design.headerTable);
    QVariantList params{number};
    if (!design.category.isEmpty()) {
        sql += QStringLiteral(" and 类别 = ?");
        params << design.category;
    }
    return session.query(sql + QStringLiteral(" limit 1"), params);
}

std::optional<SlipOutcome> pastBookLimit(const QString& owner, std::initializer_list<std::pair<QString, Amount>> figures)
{
    for (const auto& [figure, value] : figures) {
        if (value.isOutOfRange())
            return SlipOutcome::refused(
                QStringLiteral("%1%2不能大于[%3]。").arg(owner, figure, Amount::bookLimit().toMoneyText()));
    }
    return std::nullopt;
}

QString goodsOwner(const QString& name) { return QStringLiteral("商品[%1]的").arg(name); }

std::optional<SlipOutcome> stockPastBookLimit(const QString& goodsName, const StockLevel& level)
{
    return pastBookLimit(goodsOwner(goodsName), {{QStringLiteral("库存量"), level.quantity},
                                                 {QStringLiteral("库存金额"), level.value},
                                                 {QStringLiteral("均价"), level.averageCost}});
}

DbResult<std::optional<StockRow>> readStock(DbSession& session, const QString& goodsCode)
{
    auto rows = session.query(QStringLiteral("select rowid, 库存量, 金额, 均价 from 库存 where 商品编号 = ? limit 1"),
                              {goodsCode});
    if (!rows)
        return rows.error();
    if (rows->isEmpty())
        return std::optional<StockRow>();
    return std::optional<StockRow>(StockRow{rows->value(0, 0).toLongLong(),
                                            {Amount::fromValue(rows->value(0, 1)), Amount::fromValue(rows->value(0, 2)),
                                             Amount::fromValue(rows->value(0, 3))}});
}

DbStatus writeStock(DbSession& session, const StockRow& row, const StockLevel& level)
{
    if (level.averageCost == row.level.averageCost)
        return session
            .exec(QStringLiteral("update 库存 set 库存量 = ?, 金额 = ? where rowid = ?"),
                  {level.quantity.toDouble(), level.value.toDouble(), row.rowid})
            .status();
    return session
        .exec(QStringLiteral("update 库存 set 库存量 = ?, 金额 = ?, 均价 = ? where rowid = ?"),
              {level.quantity.toDouble(), level.value.toDouble(), level.averageCost.toDouble(), row.rowid})
        .status();
}

DbStatus createStock(DbSession& session, const SlipLine& line, const StockLevel& level)
{
    return session
        .insert(QStringLiteral("库存"), {{QStringLiteral("类别"), line.category},
                                         {QStringLiteral("商品编号"), line.goodsCode},
                                         {QStringLiteral("商品名称"), line.goodsName},
                                         {QStringLiteral("规格"), line.size},
                                         {QStringLiteral("单位"), line.unit},
                                         {QStringLiteral("均价"), level.averageCost.toDouble()},
                                         {QStringLiteral("金额"), level.value.toDouble()},
                                         {QStringLiteral("库存上限"), line.upperLimit.toDouble()},
                                         {QStringLiteral("库存下限"), line.lowerLimit.toDouble()},
                                         {QStringLiteral("库存量"), level.quantity.toDouble()}})
        .status();
}

SlipOutcome movePoints(DbSession& session, const QString& customer, Amount points)
{
    if (points.isZero())
        return SlipOutcome::done();
    auto held = session.query(QStringLiteral("select 积分 from 客户 where 名称 = ?"), {customer});
    if (!held)
        return SlipOutcome::failed(held.error());
    const QString owner = QStringLiteral("客户[%1]的").arg(customer);
    for (int i = 0; i < held->count(); ++i) {
        if (auto refused = pastBookLimit(owner, {{QStringLiteral("积分"), Amount::fromValue(held->value(i, 0)) + points}}))
            return *refused;
    }
    auto moved = session.exec(QStringLiteral("update 客户 set 积分 = coalesce(积分, 0) + ? where 名称 = ?"),
                              {points.toDouble(), customer});
    return moved ? SlipOutcome::done() : SlipOutcome::failed(moved.error());
}

Amount slipPoints(const SlipDesign& design, Amount total)
{
    const Amount points = total.rounded(0);
    return design.pointsSign < 0 ? -points : points;
}

}

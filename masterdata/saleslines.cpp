#include "saleslines.h"

DbResult<SalesLines> ReadSalesLines(DbSession& session, SalesLineParty party, const QString& name)
{
    const QString column = party == SalesLineParty::Customer ? QStringLiteral("客户") : QStringLiteral("介绍人");
    auto rows = session.query(QStringLiteral("select 日期 as 日期, 商品名称 as 商品名称, 金额 as 销售额, 利润金额 as 利润额 "
                                             "from 出库单明细 where %1 = ? and 类别2 = '出库' order by 日期 desc, rowid")
                                  .arg(column),
                              {name});
    if (!rows)
        return rows.error();
    SalesLines lines{rows->data()};
    for (int i = 0; i < rows->count(); ++i) {
        lines.sales += rows->number(i, QStringLiteral("销售额"));
        lines.profit += rows->number(i, QStringLiteral("利润额"));
    }
    return lines;
}

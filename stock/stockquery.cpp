#include "stockquery.h"

namespace StockQuery {

const QStringList& columns()
{
    static const QStringList names{"类别", "商品编号", "商品名称", "规格",     "单位",
                                   "均价", "金额",     "库存上限", "库存下限", "库存量"};
    return names;
}

QString statement(View view)
{
    QString condition;
    switch (view) {
    case View::Category:
        condition = QStringLiteral("类别 like '%'||?||'%'");
        break;
    case View::Name:
        condition = QStringLiteral("商品名称 like '%'||?||'%'");
        break;
    case View::AboveUpperLimit:
        condition = QStringLiteral("库存量 > 库存上限");
        break;
    case View::BelowLowerLimit:
        condition = QStringLiteral("库存量 < 库存下限");
        break;
    }
    return QStringLiteral("select ") + columns().join(QStringLiteral(", ")) + QStringLiteral(" from 库存 where ") + condition;
}

DbResult<Listing> read(DbSession& session, View view, const QString& text)
{
    const bool typed = view == View::Category || view == View::Name;
    auto rows = session.query(statement(view), typed ? QVariantList{text} : QVariantList{});
    if (!rows)
        return rows.error();
    Listing listing{std::move(*rows), {}, {}};
    const int quantity = listing.rows.columnIndex(QStringLiteral("库存量"));
    const int value = listing.rows.columnIndex(QStringLiteral("金额"));
    for (int r = 0; r < listing.rows.count(); ++r) {
        listing.quantity += Amount::fromValue(listing.rows.value(r, quantity));
        listing.value += Amount::fromValue(listing.rows.value(r, value));
    }
    return listing;
}

}

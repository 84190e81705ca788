#include "shopdetails.h"

DbResult<std::optional<ShopDetails>> ReadShopDetails(DbSession& session)
{
    auto rows = session.query(QStringLiteral("select 名称, 地址, 联系人, 电话 from 店铺信息 limit 1"));
    if (!rows)
        return rows.error();
    if (rows->isEmpty())
        return std::optional<ShopDetails>();
    // A NULL reads as an empty text.
    const auto text = [&rows](int column) { return rows->value(0, column).toString(); };
    return std::optional<ShopDetails>(ShopDetails{text(0), text(1), text(2), text(3)});
}

DbStatus SaveShopDetails(DbSession& session, const ShopDetails& details)
{
    auto count = session.query(QStringLiteral("select count(*) from 店铺信息"));
    if (!count)
        return count.error();
    const QString sql = count->value(0, 0).toInt() > 0
                            ? QStringLiteral("update 店铺信息 set 名称 = ?, 地址 = ?, 联系人 = ?, 电话 = ?")
                            : QStringLiteral("insert into 店铺信息 (名称, 地址, 联系人, 电话) values (?, ?, ?, ?)");
    return session.exec(sql, {details.name, details.address, details.contact, details.phone}).status();
}

#pragma once
#include "dbsession.h"

#include <QString>
#include <optional>

// The shop's own details, kept as the one row of 店铺信息.
struct ShopDetails {
    QString name;
    QString address;
    QString contact;
    QString phone;
};

// The first row as stored; none while the table is empty.
DbResult<std::optional<ShopDetails>> ReadShopDetails(DbSession& session);
// Every row takes the details; an empty table gets its first row.
DbStatus SaveShopDetails(DbSession& session, const ShopDetails& details);

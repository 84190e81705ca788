#pragma once
#include "dbsession.h"

#include <QString>

// How the records of one master table are numbered: a prefix of two letters
// and a counter padded with zeros to a width.
struct NumberScheme {
    QString table;
    QString column;
    QString prefix;
    int width = 0;
};

namespace NumberSchemes {
inline const NumberScheme Goods{QStringLiteral("商品信息"), QStringLiteral("商品编号"), QStringLiteral("SP"), 6};
inline const NumberScheme Suppliers{QStringLiteral("供应商"), QStringLiteral("编号"), QStringLiteral("CJ"), 6};
inline const NumberScheme Customers{QStringLiteral("客户"), QStringLiteral("编号"), QStringLiteral("KH"), 6};
inline const NumberScheme Salesmen{QStringLiteral("业务员"), QStringLiteral("编号"), QStringLiteral("YW"), 6};
inline const NumberScheme Categories{QStringLiteral("商品类别"), QStringLiteral("编号"), QStringLiteral("LB"), 3};
inline const NumberScheme Units{QStringLiteral("计量单位"), QStringLiteral("编号"), QStringLiteral("DW"), 3};
}

// The number a new record of the scheme's table receives: the largest counter
// after the prefix (compared without regard to case) + 1, so a number past its width (SP1000000, LB1000) is
// never issued twice. Rows whose tail does not start with a digit are not
// counted; an empty table gives the counter 1.
DbResult<QString> NextRecordNumber(DbSession& session, const NumberScheme& scheme);

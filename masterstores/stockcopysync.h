#pragma once
#include "dbsession.h"

#include <QString>

// What the stock rows of a goods keep a copy of.
struct GoodsStockCopy {
    QString number;
    QString name;
    QString size; // 规格
    QString unit;
    QString category;
    double upperLimit = 0;
    double lowerLimit = 0;
};

// Rewrites the copies in the goods' stock rows, on the session of the goods'
// own change; quantity, value and average cost stay, and a goods without a
// stock row gets none.
DbStatus StockCopySync(DbSession& session, const GoodsStockCopy& goods);

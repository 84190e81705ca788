#pragma once
#include "dbsession.h"

#include <QList>
#include <QString>
#include <QVariantList>

// Whose sale lines are read: the buyer's, or those of the buyers a customer
// introduced. Both are the name text the slip stored.
enum class SalesLineParty {
    Customer,   // 出库单明细.客户
    Introducer, // 出库单明细.介绍人
};

// Sale lines (类别2 '出库') as a history grid shows them: 日期, 商品名称,
// 销售额, 利润额, newest day first, lines of one day in table order; the
// totals add the exact amounts.
struct SalesLines {
    QList<QVariantList> rows;
    double sales = 0;
    double profit = 0;
};

// The lines whose party is exactly name (王五 never counts 王五一's lines).
DbResult<SalesLines> ReadSalesLines(DbSession& session, SalesLineParty party, const QString& name);

#pragma once
// The goods analysis: the sales lines (出库单明细 with 类别2 '出库') of a
// period summed by goods, customer, salesman or month, the quantity sold of
// every goods record, and the customers by their points. Sums are exact
// (fixed point); a sales return never counts.
#include "amount.h"
#include "dbsession.h"
#include "reportseries.h"
#include "saleslines.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

// The filter row at the moment a report runs. Each text is a contains-match
// on its column, a typed % or _ keeping its wildcard meaning; an empty text
// admits every line whose column holds a value (a NULL never matches).
struct SalesFilter {
    DatePeriod period; // both days included; a first day after the last gives nothing
    QString category;
    QString goods;
    QString customer;
    QString salesman;
};

// A report's statement with its values bound, as the data layer runs it.
struct ReportStatement {
    QString sql;
    QVariantList params;
};

enum class SalesGroupBy { Goods, Customer, Salesman };
enum class SalesOrder { BySales, ByProfit };

// One grouped analysis: what it groups by and how its groups are ordered.
struct SalesGrouping {
    SalesGroupBy by = SalesGroupBy::Goods;
    SalesOrder order = SalesOrder::ByProfit;
    bool descending = true;
};

// The column a grouping sums by: 商品名称, 客户 or 业务员.
QString GroupColumn(SalesGroupBy by);

struct SalesGroup {
    QVariant name;
    Amount sales;  // 销售额
    Amount profit; // 利润额
    // 利润额 in hundredths of 销售额, to four decimals; none when 销售额 is 0.
    std::optional<Amount> marginPercent() const;
};

struct SalesGroups {
    QList<SalesGroup> groups; // ordered by the grouping; equal sums by name
    Amount sales;             // the sums over every group, unrounded
    Amount profit;
};

ReportStatement SalesGroupsStatement(const SalesGrouping& grouping, const SalesFilter& filter);
DbResult<SalesGroups> ReadSalesGroups(DbSession& session, const SalesGrouping& grouping, const SalesFilter& filter);

// 销售额 and 利润额 (series 0 and 1) of each month (年月) with sales, in month order.
ReportStatement MonthTrendStatement(const SalesFilter& filter);
DbResult<ReportSeries> ReadMonthTrend(DbSession& session, const SalesFilter& filter);

// Every goods record in its table's order as 商品名称 and 销量, the quantity
// of the period's sales lines that bear its name exactly; the goods filter
// does not apply.
ReportStatement GoodsCountsStatement(const SalesFilter& filter);
DbResult<Rows> ReadGoodsCounts(DbSession& session, const SalesFilter& filter);

// Every customer as 客户 and 积分, most points first; no filter applies.
DbResult<Rows> ReadCustomerPoints(DbSession& session);

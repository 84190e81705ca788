#pragma once
// What one salesman sold and what his customers returned, over every date or
// a period, with the six totals of his record form.
#include "saleslines.h"

struct SalesmanPerformance {
    SalesLines sales;
    SalesLines returns;

    // The totals as shown, "0.00".
    QString salesTotal() const;   // 销售总额
    QString profitTotal() const;  // 利润总额
    QString returnsTotal() const; // 退货总额
    QString profitBack() const;   // 利润扣回
    // The shown totals less the shown returns, so the figures on screen add up.
    QString netSales() const;  // 实际销售
    QString netProfit() const; // 实际利润
};

// The salesman is the name as it stands in his record, matched whole: a name
// inside another salesman's name does not count that one's lines.
DbResult<SalesmanPerformance> ReadSalesmanPerformance(DbSession& session, const QString& salesman,
                                                      const std::optional<DatePeriod>& period = std::nullopt);

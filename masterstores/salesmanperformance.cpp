#include "salesmanperformance.h"
#include "module2.h"

#include <cmath>

namespace {
// A shown total in cents, so differences of shown totals are exact.
qint64 cents(const QString& shown) { return std::llround(Module2::Val(shown) * 100); }

QString difference(const QString& total, const QString& less)
{
    return Module2::FormatMoney(double(cents(total) - cents(less)) / 100);
}
}

QString SalesmanPerformance::salesTotal() const { return Module2::FormatMoney(sales.amount); }
QString SalesmanPerformance::profitTotal() const { return Module2::FormatMoney(sales.profit); }
QString SalesmanPerformance::returnsTotal() const { return Module2::FormatMoney(returns.amount); }
QString SalesmanPerformance::profitBack() const { return Module2::FormatMoney(returns.profit); }
QString SalesmanPerformance::netSales() const { return difference(salesTotal(), returnsTotal()); }
QString SalesmanPerformance::netProfit() const { return difference(profitTotal(), profitBack()); }

DbResult<SalesmanPerformance> ReadSalesmanPerformance(DbSession& session, const QString& salesman,
                                                      const std::optional<DatePeriod>& period)
{
    const QString column = QStringLiteral("业务员");
    auto sales = ReadSalesLines(session, column, salesman, SalesLineKinds::Sale, period);
    if (!sales)
        return sales.error();
    auto returns = ReadSalesLines(session, column, salesman, SalesLineKinds::Return, period);
    if (!returns)
        return returns.error();
    return SalesmanPerformance{std::move(*sales), std::move(*returns)};
}

#include "personlinewaits.h"
#include "benchshop.h"
#include "saleslines.h"
#include "salesmanperformance.h"
#include "waits.h"

#include <cstdio>

namespace {
constexpr Waits::Goal PersonGoal{50, 1.3};

// The name on the most sales slips, "-" (nobody in particular) apart.
QString busiest(const QString& column)
{
    auto rows = Database::read([&](DbSession& s) {
        return s.query(
            QStringLiteral(
                "select %1, count(*) from 出库单 where 类别 = '出库' and %1 <> '-' group by %1 order by 2 desc limit 1")
                .arg(column));
    });
    if (!rows || rows->isEmpty())
        return {};
    std::printf("busiest %s: %s on %lld slips\n", qPrintable(column), qPrintable(rows->value(0, 0).toString()),
                rows->value(0, 1).toLongLong());
    return rows->value(0, 0).toString();
}
}

void addPersonLineWaits(const BenchShop&)
{
    const QString customer = busiest(QStringLiteral("客户"));
    Waits::add(
        "CustomerHistory/AllLines/DbShare",
        [customer](benchmark::State& state) {
            for (auto _ : state) {
                Waits::timeOnce(state, [&] {
                    const auto lines = Database::read(
                        [&](DbSession& s) { return ReadSalesLines(s, QStringLiteral("客户"), customer, SalesLineKinds::Sale); });
                    benchmark::DoNotOptimize(lines);
                });
            }
        },
        PersonGoal);
    const QString salesman = busiest(QStringLiteral("业务员"));
    Waits::add(
        "SalesmanPerformance/Year/DbShare",
        [salesman](benchmark::State& state) {
            const DatePeriod year{QStringLiteral("2024-01-01"), QStringLiteral("2024-12-31")};
            for (auto _ : state) {
                Waits::timeOnce(state, [&] {
                    const auto performance = Database::read(
                        [&](DbSession& s) { return ReadSalesmanPerformance(s, salesman, year); });
                    benchmark::DoNotOptimize(performance);
                });
            }
        },
        PersonGoal);
}

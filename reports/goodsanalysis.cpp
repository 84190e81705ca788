#include "goodsanalysis.h"
#include "reportsums.h"

#include <algorithm>

namespace {
const QString SalesColumn = QStringLiteral("销售额");
const QString ProfitColumn = QStringLiteral("利润额");

// How the lines of a statement are read: by the name they are grouped by,
// from its index (the period checked line by line), or by month, the
// period's months sought out of the books (年月 is the first seven
// characters of 日期).
enum class LineOrder { ByName, ByMonth };

// The sales lines of the filter: the kind and the period, then each filter
// text on its column. An empty text only asks for a value, which is what
// like '%%' admits, without matching a pattern on every line.
ReportStatement salesLines(const SalesFilter& filter, LineOrder order, bool withGoodsFilter = true)
{
    ReportStatement where{QStringLiteral("类别2 = ? and 日期 >= ? and 日期 <= ?"),
                          {SalesLineKinds::Sale, filter.period.first, filter.period.last}};
    if (order == LineOrder::ByMonth) {
        where.sql += QStringLiteral(" and 年月 >= ? and 年月 <= ?");
        where.params << filter.period.first.left(7) << filter.period.last.left(7);
    }
    QList<std::pair<QString, QString>> texts{{QStringLiteral("类别"), filter.category}};
    if (withGoodsFilter)
        texts.append({QStringLiteral("商品名称"), filter.goods});
    texts.append({{QStringLiteral("客户"), filter.customer}, {QStringLiteral("业务员"), filter.salesman}});
    for (const auto& [column, text] : std::as_const(texts)) {
        if (text.isEmpty()) {
            where.sql += QStringLiteral(" and %1 is not null").arg(column);
        } else {
            where.sql += QStringLiteral(" and %1 like '%'||?||'%'").arg(column);
            where.params << text;
        }
    }
    return where;
}

QString sumOf(const QString& column, const QString& alias)
{
    return QStringLiteral("sum(%1) as %2").arg(Amount::unitsOf(column), alias);
}

}

QString GroupColumn(SalesGroupBy by)
{
    switch (by) {
    case SalesGroupBy::Goods:
        return QStringLiteral("商品名称");
    case SalesGroupBy::Customer:
        return QStringLiteral("客户");
    case SalesGroupBy::Salesman:
        return QStringLiteral("业务员");
    }
    return {};
}

std::optional<Amount> SalesGroup::marginPercent() const
{
    if (sales.isZero())
        return std::nullopt;
    return Amount::quotient(Amount::product(profit, Amount::whole(100)), sales);
}

ReportStatement SalesGroupsStatement(const SalesGrouping& grouping, const SalesFilter& filter)
{
    // The groups come in name order as their lines do; ReadSalesGroups orders them.
    const QString column = GroupColumn(grouping.by);
    const ReportStatement where = salesLines(filter, LineOrder::ByName);
    return {QStringLiteral("select %1 as %1, %2, %3 from 出库单明细 where %4 group by %1 order by %1")
                .arg(column, sumOf(QStringLiteral("金额"), SalesColumn), sumOf(QStringLiteral("利润金额"), ProfitColumn),
                     where.sql),
            where.params};
}

DbResult<SalesGroups> ReadSalesGroups(DbSession& session, const SalesGrouping& grouping, const SalesFilter& filter)
{
    const ReportStatement statement = SalesGroupsStatement(grouping, filter);
    auto rows = session.query(statement.sql, statement.params);
    if (!rows && ReportSums::overflowed(rows.error()))
        return SalesGroups{{}, Amount::outOfRange(), Amount::outOfRange()};
    if (!rows)
        return rows.error();
    SalesGroups result;
    result.groups.reserve(rows->count());
    for (int r = 0; r < rows->count(); ++r) {
        const SalesGroup group{rows->value(r, 0), ReportSums::at(*rows, r, 1), ReportSums::at(*rows, r, 2)};
        result.sales += group.sales;
        result.profit += group.profit;
        result.groups << group;
    }
    // By the sum, equal sums keeping their names' order.
    const auto key = [&grouping](const SalesGroup& group) {
        return grouping.order == SalesOrder::BySales ? group.sales : group.profit;
    };
    std::stable_sort(result.groups.begin(), result.groups.end(), [&](const SalesGroup& a, const SalesGroup& b) {
        return grouping.descending ? key(b) < key(a) : key(a) < key(b);
    });
    return result;
}

ReportStatement MonthTrendStatement(const SalesFilter& filter)
{
    const ReportStatement where = salesLines(filter, LineOrder::ByMonth);
    return {QStringLiteral("select 年月 as 年月, %1, %2 from 出库单明细 where %3 group by 年月 order by 年月")
                .arg(sumOf(QStringLiteral("金额"), SalesColumn), sumOf(QStringLiteral("利润金额"), ProfitColumn), where.sql),
            where.params};
}

DbResult<ReportSeries> ReadMonthTrend(DbSession& session, const SalesFilter& filter)
{
    const ReportStatement statement = MonthTrendStatement(filter);
    auto rows = session.query(statement.sql, statement.params);
    if (!rows)
        return rows.error();
    ReportSeries trend{{}, {{}, {}}};
    for (int r = 0; r < rows->count(); ++r) {
        trend.categories << rows->value(r, 0).toString();
        trend.series[0] << ReportSums::at(*rows, r, 1).toDouble();
        trend.series[1] << ReportSums::at(*rows, r, 2).toDouble();
    }
    return trend;
}

ReportStatement GoodsCountsStatement(const SalesFilter& filter)
{
    // One grouped pass over the lines, joined to the goods by whole name.
    const ReportStatement where = salesLines(filter, LineOrder::ByName, false);
    return {QStringLiteral("select g.商品名称 as 商品名称, coalesce(s.销量, 0) as 销量 from 商品信息 g "
                           "left join (select 商品名称, %1 from 出库单明细 where %2 group by 商品名称) s "
                           "on s.商品名称 = g.商品名称 order by g.rowid")
                .arg(sumOf(QStringLiteral("数量"), QStringLiteral("销量")), where.sql),
            where.params};
}

DbResult<QList<GoodsCount>> ReadGoodsCounts(DbSession& session, const SalesFilter& filter)
{
    const ReportStatement statement = GoodsCountsStatement(filter);
    auto rows = session.query(statement.sql, statement.params);
    if (!rows)
        return rows.error();
    QList<GoodsCount> counts;
    counts.reserve(rows->count());
    for (int r = 0; r < rows->count(); ++r)
        counts.append({rows->value(r, 0), ReportSums::at(*rows, r, 1)});
    return counts;
}

DbResult<Rows> ReadCustomerPoints(DbSession& session)
{
    return session.query(QStringLiteral("select 名称 as 客户, 积分 from 客户 order by 积分 desc, rowid"));
}

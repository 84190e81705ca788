#include "goodsanalysis.h"
#include "reportsums.h"
#include "salesperiod.h"
#include "salestotals.h"

#include <algorithm>

namespace {

const QString Category = QStringLiteral("类别");
const QString Goods = QStringLiteral("商品名称");
const QString Customer = QStringLiteral("客户");
const QString Salesman = QStringLiteral("业务员");

// The filter texts in the order they are tested, each on its column.
QList<std::pair<QString, QString>> filterTexts(const SalesFilter& filter, bool withGoodsFilter)
{
    QList<std::pair<QString, QString>> texts{{Category, filter.category}};
    if (withGoodsFilter)
        texts.append({Goods, filter.goods});
    texts.append({{Customer, filter.customer}, {Salesman, filter.salesman}});
    return texts;
}

// Each typed text as a contains-match on its column.
void addMatches(ReportStatement& where, const QList<std::pair<QString, QString>>& texts)
{
    for (const auto& [column, text] : texts) {
        if (!text.isEmpty()) {
            where.sql += QStringLiteral(" and %1 like '%'||?||'%'").arg(column);
            where.params << text;
        }
    }
}

// The sale lines of some days under the filter texts, the very lines the
// totals count, found through the date index. An empty text admits any line
// the totals count, which is what like '%%' admits, without matching a
// pattern on every line. byMonth also asks 年月 inside the period's months.
ReportStatement salesLines(const SalesFilter& filter, const DatePeriod& days, bool byMonth, bool withGoodsFilter)
{
    ReportStatement where{SalesTotals::saleLine() + QStringLiteral(" and 日期 >= ? and 日期 <= ?"), {days.first, days.last}};
    if (byMonth) {
        where.sql += QStringLiteral(" and 年月 >= ? and 年月 <= ?");
        where.params << filter.period.first.left(7) << filter.period.last.left(7);
    }
    addMatches(where, filterTexts(filter, withGoodsFilter));
    return where;
}

// Where a grouping's sums are kept per month, and the filter columns they keep.
struct MonthTotals {
    const QString& table;
    QStringList columns;
};

// Rows of (name, sums in ten-thousandths...) over the period: its whole
// months from the totals when they keep every column a text filters, the
// rest of it from the lines. The sums of the columns go in their order.
ReportStatement periodRows(const SalesFilter& filter, const QString& name, const QStringList& sums, const MonthTotals& totals,
                           bool withGoodsFilter)
{
    const auto texts = filterTexts(filter, withGoodsFilter);
    const bool kept = std::all_of(texts.cbegin(), texts.cend(), [&totals](const auto& text) {
        return text.second.isEmpty() || totals.columns.contains(text.first);
    });
    const PeriodParts parts = kept ? SplitPeriod(filter.period) : PeriodParts{{}, {}, {filter.period}};
    QStringList selects;
    QVariantList params;
    if (!parts.firstMonth.isEmpty()) {
        ReportStatement months{QStringLiteral("select %1, %2 from %3 where 年月 >= ? and 年月 <= ?")
                                   .arg(name, sums.join(QStringLiteral(", ")), totals.table),
                               {parts.firstMonth, parts.lastMonth}};
        addMatches(months, texts);
        selects << months.sql;
        params << months.params;
    }
    QStringList units;
    for (const QString& sum : sums)
        units << Amount::unitsOf(sum);
    for (const DatePeriod& days : parts.edges) {
        const ReportStatement where = salesLines(filter, days, false, withGoodsFilter);
        selects
            << QStringLiteral("select %1, %2 from 出库单明细 where %3").arg(name, units.join(QStringLiteral(", ")), where.sql);
        params << where.params;
    }
    return {selects.join(QStringLiteral(" union all ")), params};
}

MonthTotals monthTotals(SalesGroupBy by)
{
    switch (by) {
    case SalesGroupBy::Goods:
        return {SalesTotals::GoodsMonths, {Goods, Category}};
    case SalesGroupBy::Customer:
        return {SalesTotals::CustomerMonths, {Customer}};
    case SalesGroupBy::Salesman:
        break;
    }
    return {SalesTotals::SalesmanMonths, {Salesman}};
}

const QStringList LineSums{QStringLiteral("金额"), QStringLiteral("利润金额")};

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
    return periodRows(filter, GroupColumn(grouping.by), LineSums, monthTotals(grouping.by), true);
}

DbResult<SalesGroups> ReadSalesGroups(DbSession& session, const SalesGrouping& grouping, const SalesFilter& filter)
{
    const ReportStatement statement = SalesGroupsStatement(grouping, filter);
    auto rows = session.query(statement.sql, statement.params);
    if (!rows)
        return rows.error();
    SalesGroups result;
    const QList<GroupSums> sums = SumByName(*rows, true);
    result.groups.reserve(sums.size());
    for (const GroupSums& named : sums) {
        const SalesGroup group{named.name, named.sums[0], named.sums[1]};
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
    const auto texts = filterTexts(filter, true);
    const bool filtered = std::any_of(texts.cbegin(), texts.cend(), [](const auto& text) { return !text.second.isEmpty(); });
    if (filtered) {
        const ReportStatement where = salesLines(filter, filter.period, true, true);
        return {QStringLiteral("select 年月, %1, %2 from 出库单明细 where %3")
                    .arg(Amount::unitsOf(LineSums[0]), Amount::unitsOf(LineSums[1]), where.sql),
                where.params};
    }
    return {QStringLiteral("select 年月, 金额, 利润金额 from %1 where 日期 >= ? and 日期 <= ? and 年月 >= ? and 年月 <= ?")
                .arg(SalesTotals::LineDays),
            {filter.period.first, filter.period.last, filter.period.first.left(7), filter.period.last.left(7)}};
}

DbResult<ReportSeries> ReadMonthTrend(DbSession& session, const SalesFilter& filter)
{
    const ReportStatement statement = MonthTrendStatement(filter);
    auto rows = session.query(statement.sql, statement.params);
    if (!rows)
        return rows.error();
    ReportSeries trend{{}, {{}, {}}};
    for (const GroupSums& month : SumByName(*rows, false)) {
        trend.categories << month.name.toString();
        trend.series[0] << month.sums[0].toDouble();
        trend.series[1] << month.sums[1].toDouble();
    }
    return trend;
}

ReportStatement GoodsCountsStatement(const SalesFilter& filter)
{
    return periodRows(filter, Goods, {QStringLiteral("数量")}, {SalesTotals::GoodsMonths, {Category}}, false);
}

DbResult<Rows> ReadGoodsCounts(DbSession& session, const SalesFilter& filter)
{
    auto goods = session.query(QStringLiteral("select 商品名称 from 商品信息 order by rowid"));
    if (!goods)
        return goods.error();
    const ReportStatement statement = GoodsCountsStatement(filter);
    const auto rows = session.query(statement.sql, statement.params);
    if (!rows)
        return rows.error();
    // Each goods record takes the quantity of the lines bearing its whole name.
    const NameSums sold(*rows, true);
    QList<double> quantities;
    quantities.reserve(goods->count());
    for (int r = 0; r < goods->count(); ++r) {
        const QList<Amount>* sums = sold.find(*goods, r);
        quantities << (sums ? sums->first() : Amount()).toDouble();
    }
    goods->appendColumn(QStringLiteral("销量"), quantities);
    return goods;
}

DbResult<Rows> ReadCustomerPoints(DbSession& session)
{
    return session.query(QStringLiteral("select 名称 as 客户, 积分 from 客户 order by 积分 desc, rowid"));
}

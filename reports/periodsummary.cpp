#include "periodsummary.h"
#include "reportsums.h"
#include "salestotals.h"
#include "slipbook.h"

namespace SummaryPasses {
const SummaryPass StockIn{QStringLiteral("入库单"),
                          QStringLiteral("入库"),
                          {QStringLiteral("合计数量"), QStringLiteral("合计金额"), QStringLiteral("欠款金额"),
                           QStringLiteral("还款金额")},
                          nullptr};
const SummaryPass Sales{QStringLiteral("出库单"),
                        QStringLiteral("出库"),
                        {QStringLiteral("合计数量"), QStringLiteral("合计金额"), QStringLiteral("欠款金额"),
                         QStringLiteral("还款金额"), QStringLiteral("合计成本"), QStringLiteral("合计利润")},
                        &SalesTotals::SlipDays};
const SummaryPass Loss{QStringLiteral("调失单"),
                       QStringLiteral("调拔"),
                       {QStringLiteral("合计数量"), QStringLiteral("合计金额")},
                       nullptr};
const SummaryPass Expenses{QStringLiteral("日常支出"),
                           {},
                           {QStringLiteral("铺租"), QStringLiteral("水费"), QStringLiteral("电费"), QStringLiteral("物品价格"),
                            QStringLiteral("人员工资"), QStringLiteral("业务提成"), QStringLiteral("税费"),
                            QStringLiteral("费用总额")},
                           nullptr};
}

QString PassStatement(const SummaryPass& pass)
{
    QStringList sums;
    if (pass.dayTotals) {
        // A day's slips of each group, already summed in ten-thousandths.
        for (const char* group : {"1", "0"}) {
            for (const QString& column : pass.columns)
                sums << QStringLiteral("sum(case when 出库 = %1 then %2 end)").arg(QLatin1String(group), column);
        }
        return QStringLiteral("select %1 from %2 where 日期 >= ?2 and 日期 <= ?3")
            .arg(sums.join(QStringLiteral(", ")), *pass.dayTotals);
    }
    if (pass.category.isEmpty()) {
        for (const QString& column : pass.columns)
            sums << QStringLiteral("sum(%1)").arg(Amount::unitsOf(column));
    } else {
        // NULL is no 类别 equal to the value: such a row is in the other group.
        const QString equal = QStringLiteral("类别 = ?1 collate binary");
        for (const QString& column : pass.columns)
            sums << QStringLiteral("sum(case when %1 then %2 end)").arg(equal, Amount::unitsOf(column));
        for (const QString& column : pass.columns)
            sums << QStringLiteral("sum(case when %1 then null else %2 end)").arg(equal, Amount::unitsOf(column));
    }
    return QStringLiteral("select %1 from %2 where 日期 >= ?2 and 日期 <= ?3").arg(sums.join(QStringLiteral(", ")), pass.table);
}

QVariantList PassParameters(const SummaryPass& pass, const QDate& first, const QDate& last)
{
    return {pass.category, SlipBook::dateText(first), SlipBook::dateText(last)};
}

DbResult<PassSums> SumPass(DbSession& session, const SummaryPass& pass, const QDate& first, const QDate& last)
{
    auto rows = session.query(PassStatement(pass), PassParameters(pass, first, last));
    if (!rows && !ReportSums::overflowed(rows.error()))
        return rows.error();
    // Past 64 bits the engine names no column: every sum of the pass is past the limit.
    const auto sum = [&rows](int column) { return rows ? ReportSums::at(*rows, 0, column) : Amount::outOfRange(); };
    PassSums sums;
    const int count = int(pass.columns.size());
    for (int c = 0; c < count; ++c) {
        sums.equal << sum(c);
        sums.other << (pass.category.isEmpty() ? Amount() : sum(count + c));
    }
    return sums;
}

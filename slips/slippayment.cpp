#include "slippayment.h"
#include "slipbook.h"

#include <QDateTime>

namespace {
SlipOutcome pay(DbSession& session, const SlipDesign& design, const QString& number, Amount amount, const QString& operatorName,
                const QDateTime& when)
{
    auto header = SlipBook::header(session, design, number, QStringLiteral("还款金额, 尚欠金额"));
    if (!header)
        return SlipOutcome::failed(header.error());
    if (header->isEmpty())
        return SlipOutcome::notFound();
    const SlipBalance balance{(Amount::fromValue(header->value(0, 1)) + amount).rounded(2),
                              (Amount::fromValue(header->value(0, 2)) + amount).rounded(2)};
    if (auto refused = SlipBook::pastBookLimit({}, {{QStringLiteral("还款金额"), amount},
                                                    {QStringLiteral("还款金额"), balance.paid},
                                                    {QStringLiteral("尚欠金额"), balance.owed}}))
        return *refused;
    auto paid = session.insert(design.paymentTable, {{QStringLiteral("单号"), number},
                                                     {QStringLiteral("还款金额"), amount.toDouble()},
                                                     {QStringLiteral("操作员"), operatorName},
                                                     {QStringLiteral("日期"), SlipBook::dateText(when.date())},
                                                     {QStringLiteral("时间"), SlipBook::timeText(when.time())}});
    if (!paid)
        return SlipOutcome::failed(paid.error());
    auto updated =
        session.exec(QStringLiteral("update %1 set 还款金额 = ?, 尚欠金额 = ? where rowid = ?").arg(design.headerTable),
                     {balance.paid.toDouble(), balance.owed.toDouble(), header->value(0, 0)});
    if (!updated)
        return SlipOutcome::failed(updated.error());
    SlipOutcome outcome = SlipOutcome::done();
    outcome.balance = balance;
    return outcome;
}
}

SlipOutcome PaySlip(DbSession& session, const SlipDesign& design, const QString& number, Amount amount,
                    const QString& operatorName, const QDateTime& when)
{
    return SlipBook::write(session, [&](DbSession& s) { return pay(s, design, number, amount, operatorName, when); });
}

#include "expensebook.h"
#include "slipbook.h"
#include "slipdesign.h"
#include "slipnumber.h"

#include <cmath>

namespace ExpenseBook {
namespace {
const QString& table() { return SlipDesigns::Expense.headerTable; }

// The number's first entry, as a statement's condition.
QString firstOfNumber() { return QStringLiteral("rowid = (select rowid from %1 where 单号 = ? limit 1)").arg(table()); }

// An amount a change writes back: a stored or typed number, where NaN is
// what an out-of-range amount binds as.
Amount writtenAmount(const QVariant& value)
{
    const bool unbound = value.typeId() == QMetaType::Double && std::isnan(value.toDouble());
    return unbound ? Amount::outOfRange() : Amount::fromValue(value);
}

// The first amount past the book limit, the seven's sum included, refused by its column.
std::optional<SlipOutcome> pastBookLimit(const QList<Amount>& amounts)
{
    Amount sum;
    for (int i = 0; i < amounts.size(); ++i) {
        if (auto refused = SlipBook::pastBookLimit({}, {{amountColumns().value(i), amounts[i]}}))
            return refused;
        if (i + 1 < amountColumns().size())
            sum += amounts[i];
    }
    return SlipBook::pastBookLimit({}, {{amountColumns().last(), sum}});
}

SlipOutcome changed(const DbResult<int>& rows)
{
    if (!rows)
        return SlipOutcome::failed(rows.error());
    return *rows > 0 ? SlipOutcome::done() : SlipOutcome::notFound();
}
}

const QStringList& amountColumns()
{
    static const QStringList columns{QStringLiteral("铺租"),     QStringLiteral("水费"),     QStringLiteral("电费"),
                                     QStringLiteral("物品价格"), QStringLiteral("人员工资"), QStringLiteral("业务提成"),
                                     QStringLiteral("税费"),     QStringLiteral("费用总额")};
    return columns;
}

DbResult<Rows> readAll(DbSession& session)
{
    return session.query(QStringLiteral("select * from %1 order by 单号 desc").arg(table()));
}

DbResult<QString> nextNumber(DbSession& session) { return NextSlipNumber(session, SlipDesigns::Expense); }

DbResult<bool> holds(DbSession& session, const QString& number)
{
    return SlipBook::numberHeld(session, SlipDesigns::Expense, number);
}

SlipOutcome add(DbSession& session, const Entry& entry)
{
    return SlipBook::write(session, [&entry](DbSession& s) {
        auto held = holds(s, entry.number);
        if (!held)
            return SlipOutcome::failed(held.error());
        if (*held || entry.number.trimmed().isEmpty())
            return SlipOutcome::refused(QStringLiteral("单据编号无效或已存在！"));
        if (auto refused = pastBookLimit(entry.amounts))
            return *refused;
        ColumnValues values{{QStringLiteral("单号"), entry.number},
                            {QStringLiteral("日期"), SlipBook::dateText(entry.date)},
                            {QStringLiteral("操作员"), entry.operatorName}};
        for (int i = 0; i < amountColumns().size(); ++i)
            values << std::pair{amountColumns()[i], QVariant(entry.amounts.value(i).toDouble())};
        values << std::pair{DescriptionColumn, QVariant(entry.description)};
        auto inserted = s.insert(table(), values);
        return inserted ? SlipOutcome::done() : SlipOutcome::failed(inserted.error());
    });
}

SlipOutcome change(DbSession& session, const QString& number, const Change& change)
{
    return SlipBook::write(session, [&](DbSession& s) {
        QList<Amount> amounts;
        for (const QVariant& value : change.amounts)
            amounts << writtenAmount(value);
        if (auto refused = pastBookLimit(amounts))
            return *refused;
        QStringList assignments;
        QVariantList params;
        for (int i = 0; i < amountColumns().size(); ++i) {
            assignments << amountColumns()[i] + QStringLiteral(" = ?");
            params << change.amounts.value(i);
        }
        assignments << DescriptionColumn + QStringLiteral(" = ?");
        params << change.description << number;
        return changed(s.exec(
            QStringLiteral("update %1 set %2 where %3").arg(table(), assignments.join(QStringLiteral(", ")), firstOfNumber()),
            params));
    });
}

SlipOutcome remove(DbSession& session, const QString& number)
{
    return SlipBook::write(session, [&number](DbSession& s) {
        return changed(s.exec(QStringLiteral("delete from %1 where %2").arg(table(), firstOfNumber()), {number}));
    });
}

}

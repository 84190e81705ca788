#include "customers.h"

namespace Customers {

CustomerFilter dueOn(const QDate& day) { return {QStringLiteral("维护日期 <= ?"), {day.toString(QStringLiteral("yyyy-MM-dd"))}}; }

DbResult<Rows> read(DbSession& session, const CustomerFilter& filter)
{
    const QString select = QStringLiteral("select * from 客户");
    return session.query(filter.condition.isEmpty() ? select : select + QStringLiteral(" where ") + filter.condition,
                         filter.values);
}

DbResult<bool> nameTaken(DbSession& session, const QString& name, const QString& exceptNumber)
{
    auto same = exceptNumber.isEmpty()
                    ? session.query(QStringLiteral("select 1 from 客户 where 名称 = ? limit 1"), {name})
                    : session.query(QStringLiteral("select 1 from 客户 where 名称 = ? and 编号 is not ? limit 1"),
                                    {name, exceptNumber});
    if (!same)
        return same.error();
    return !same->isEmpty();
}

}

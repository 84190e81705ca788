#pragma once
// The member customers' own reads of 客户, beside the family's list and editor.
#include "dbsession.h"

#include <QDate>
#include <QString>
#include <QVariantList>

// Which customers a fill or an export takes: a condition on 客户 with its
// bound values; an empty condition takes every customer.
struct CustomerFilter {
    QString condition;
    QVariantList values;
};

namespace Customers {
// Due for a maintenance visit: the date is the day or earlier ('yyyy-mm-dd' text).
CustomerFilter dueOn(const QDate& day);
// Every column of the customers the filter takes, in the table's order.
DbResult<Rows> read(DbSession& session, const CustomerFilter& filter);
// Whether a customer other than exceptNumber ("" for none) has the name as
// his stored name: sales add points by name, so two would share them.
DbResult<bool> nameTaken(DbSession& session, const QString& name, const QString& exceptNumber);
}

#pragma once
// The daily expenses (日常支出): one row per entry, numbered "Z" and seven
// digits like a slip, each write one transaction.
#include "amount.h"
#include "dbsession.h"
#include "slipvalues.h"

#include <QDate>
#include <QList>
#include <QStringList>

namespace ExpenseBook {

// The seven amount columns in the table's order, then the total.
const QStringList& amountColumns();
inline const QString DescriptionColumn = QStringLiteral("物品购置");

// What an add stores.
struct Entry {
    QString number;
    QDate date;
    QString operatorName;
    QList<Amount> amounts; // as amountColumns(): the seven amounts, then the total
    QString description;
};

// What a modification writes: a value per amount column (then the total) and
// the description, each a number or text, or the stored value written back.
struct Change {
    QVariantList amounts;
    QVariant description;
};

// Every entry, newest number first, with every column of the table.
DbResult<Rows> readAll(DbSession& session);
DbResult<QString> nextNumber(DbSession& session);
DbResult<bool> holds(DbSession& session, const QString& number);

// Refuses a number the book already holds ("单据编号无效或已存在！").
SlipOutcome add(DbSession& session, const Entry& entry);
// The first entry of the number; not found when it is gone.
SlipOutcome change(DbSession& session, const QString& number, const Change& change);
SlipOutcome remove(DbSession& session, const QString& number);

}

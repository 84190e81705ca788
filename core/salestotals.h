#pragma once
// Sales totals per period, so that a report's cost follows the period asked
// and not the size of the books: the sale lines of 出库单明细 summed per
// month and goods, customer or salesman and per day, and the slips of 出库单
// per day, split into sales slips and the others. Triggers on the two tables,
// made by the upgrade step that brought the totals, keep them in the
// transaction of every write, whichever path makes it.
//
// Sums are whole ten-thousandths of each row's figure, as the reports add
// them; 行数 counts the rows, so a group without rows goes.
#include "dbresult.h"
#include "dbsession.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace SalesTotals {

// What counts as a sale line of 出库单明细, and what is a sales slip of 出库单:
// one SQL condition each, on an unprefixed row, for every read that must
// agree with the totals (their scans, the analyses' line reads; the summary
// reads the slips' day totals, split by the second). The triggers keep the
// text of the step that made them, and the schema test holds the two to the
// same rows; a change here is a new upgrade step that makes them anew.
QString saleLine();
QString salesSlip();

// The tables, which hold nothing of their own: data initialisation never
// offers them.
const QStringList& tables();

// Whether writes to the table move the totals.
bool followsTable(const QString& table);

// Per month (年月, the first seven characters of 日期): goods with 类别,
// customer, salesman; per day (日期 and the line's 年月): the lines; per day
// and 出库 (1 for a sales slip, else 0): the slips.
extern const QString GoodsMonths;
extern const QString CustomerMonths;
extern const QString SalesmanMonths;
extern const QString LineDays;
extern const QString SlipDays;

// Sums the rows of the months firstMonth..lastMonth ("yyyy-mm") anew from
// the books; empty texts mean every month.
DbStatus rebuild(DbSession& session, const QString& firstMonth = {}, const QString& lastMonth = {});

// Runs a bulk change of the books with the book's own triggers set aside (a
// row trigger per deleted line costs more than summing the months again),
// then rebuilds the months from firstDay's to lastDay's ("yyyy-mm-dd"; empty:
// unbounded) and puts the triggers back as the book held them. The caller
// holds the transaction.
DbStatus bulkChange(DbSession& session, const QString& firstDay, const QString& lastDay, const std::function<DbStatus()>& change);

// Each total that differs from a scan of the books, as "table: values";
// empty when every total equals its scan.
DbResult<QStringList> verify(DbSession& session);

}

#pragma once
// Sales totals per period, so that a report's cost follows the period asked
// and not the size of the books: the sales lines (出库单明细, 类别2 '出库')
// summed per month and goods, customer or salesman and per day, and the
// sales slips (出库单) per day. Triggers on the two tables keep them in the
// transaction of every write, whichever path makes it.
//
// A line counts only when every column the analysis boxes filter (类别,
// 商品名称, 客户, 业务员) holds a value, as an empty box admits only such
// lines. Sums are whole ten-thousandths of each row's figure, as the
// reports add them; 行数 counts the rows, so a group without rows goes.
#include "dbresult.h"
#include "dbsession.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace SalesTotals {

// The tables, which hold nothing of their own: data initialisation never
// offers them.
const QStringList& tables();

// Whether writes to the table move the totals.
bool followsTable(const QString& table);

// Per month (年月, the first seven characters of 日期): goods with 类别,
// customer, salesman; per day (日期 and the line's 年月): the lines; per day
// and 出库 (1 for 类别 '出库' exactly, else 0): the slips.
extern const QString GoodsMonths;
extern const QString CustomerMonths;
extern const QString SalesmanMonths;
extern const QString LineDays;
extern const QString SlipDays;

// Creates the tables and their triggers and fills them from the books.
DbStatus create(DbSession& session);

// The upgrade of a book to the totals: creates them, and retires the wide
// indexes the analyses read before for narrow ones that keep a customer's or
// salesman's own lines quick to find.
DbStatus addToBook(DbSession& session);

// Sums the rows of the months firstMonth..lastMonth ("yyyy-mm") anew from
// the books; empty texts mean every month.
DbStatus rebuild(DbSession& session, const QString& firstMonth = {}, const QString& lastMonth = {});

// Runs a bulk change of the books with the triggers set aside (a row
// trigger per deleted line costs more than summing the months again), then
// rebuilds the months from firstDay's to lastDay's ("yyyy-mm-dd"; empty:
// unbounded). The caller holds the transaction.
DbStatus bulkChange(DbSession& session, const QString& firstDay, const QString& lastDay, const std::function<DbStatus()>& change);

// Each total that differs from a scan of the books, as "table: values";
// empty when every total equals its scan.
DbResult<QStringList> verify(DbSession& session);

}

#pragma once
// What the records windows read of a slip book: the headers a query asks
// for, a slip's lines and its payments. Rows come in the order they were
// written.
#include "dbsession.h"
#include "recordscondition.h"
#include "slipdesign.h"

namespace SlipRecords {

// The columns of the design's header rows of its kind that meet the
// condition; with a date, only the slips of that day.
DbResult<Rows> headers(DbSession& session, const SlipDesign& design, const QStringList& columns,
                       const RecordsCondition& condition, const QString& onDate = {});
// The same columns of the slip of the number, as the headers list it; no row
// when it is not in its book.
DbResult<Rows> header(DbSession& session, const SlipDesign& design, const QStringList& columns, const QString& number);
// Every column of the slip's lines.
DbResult<Rows> lines(DbSession& session, const SlipDesign& design, const QString& number);
// The slip's payments by 日期, then 时间.
DbResult<Rows> payments(DbSession& session, const SlipDesign& design, const QString& number);

}

#pragma once
// The period summary's sums: each pass adds up columns of one book over the
// rows dated in a period, split by whether a row's 类别 is the pass's value.
#include "amount.h"
#include "dbsession.h"

#include <QDate>
#include <QList>
#include <QStringList>

struct SummaryPass {
    QString table;
    // The 类别 of the equal group, compared exactly; empty: no split, every
    // row is in the equal group.
    QString category;
    QStringList columns;
    // Day totals that keep the pass's sums, 出库 telling the equal group
    // (its category) from the other; empty: the pass reads its table.
    const QString* dayTotals = nullptr;
};

// The sums of a pass's columns, in their order; a column over no rows, or
// over NULLs only, sums to 0; a sum past the book limit is out of range.
struct PassSums {
    QList<Amount> equal;
    QList<Amount> other; // the rows with any other 类别 (or none)
};

namespace SummaryPasses {
// In the order the statement runs them.
extern const SummaryPass StockIn;  // 入库单: 入库 and purchase returns
extern const SummaryPass Sales;    // 出库单: 出库 and sales returns
extern const SummaryPass Loss;     // 调失单: transfers (调拔) apart from the losses
extern const SummaryPass Expenses; // 日常支出
}

// The statement of a pass: one row of sums, in whole ten-thousandths, equal
// group first, over the rows from ?2 to ?3 (dates as "yyyy-mm-dd" text, both
// days included); ?1 is the category.
QString PassStatement(const SummaryPass& pass);
// The values the statement binds.
QVariantList PassParameters(const SummaryPass& pass, const QDate& first, const QDate& last);

DbResult<PassSums> SumPass(DbSession& session, const SummaryPass& pass, const QDate& first, const QDate& last);

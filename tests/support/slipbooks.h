#pragma once
#include "amount.h"
#include "dbsession.h"
#include "slipdesign.h"
#include "slipvalues.h"

#include <QStringList>
#include <QTest>
#include <functional>

// A small shop for the slip tests: stock rows and customers put in directly,
// slips made from values, and the books read back as texts.
namespace SlipBooks {

inline Amount amount(const QString& text) { return Amount::fromText(text); }

// The header of a slip dated 2024-03-05 09:30:00 by the administrator.
SlipHeader header(const QString& number);
// A goods line of goods code (name, category and limits made from it).
SlipLine line(const QString& code, const QString& quantity, const QString& price, const QString& amount = {});
// A sales line of the amount given (quantity x price when none), its cost
// the quantity at the unit cost.
SlipLine salesLine(const QString& code, const QString& quantity, const QString& price, const QString& lineAmount,
                   const QString& unitCost);

void putStock(const QString& code, const QString& quantity, const QString& value,
              const QString& averageCost = QStringLiteral("0"));
// "库存量 / 金额 / 均价" as "0.00" texts, or "none" without a row.
QString stockOf(const QString& code);

void putCustomer(const QString& name, const QString& points);
QString pointsOf(const QString& name);

// Runs a statement that changes rows on a session of its own.
void execute(const QString& sql, const QVariantList& params = {});
// Runs a statement on a session of its own and gives the rows as texts,
// one line per row with the columns joined by " | ".
QStringList rowsOf(const QString& sql, const QVariantList& params = {});
// Every row of every table, to tell that a write changed nothing.
QStringList wholeBooks();

// Runs one write of the books on a session of its own, as a form does.
SlipOutcome write(const std::function<SlipOutcome(DbSession&)>& work);
// "done", "not found", "refused: <message>" or "failed: <message>".
QString outcomeText(const SlipOutcome& outcome);

}

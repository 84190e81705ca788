#pragma once
#include "dbsession.h"
#include "slipdesign.h"
#include "slipvalues.h"

// A payment against a slip (a repayment to the supplier, a collection from
// the customer), in one transaction: its history row in the design's payment
// table, and the amount added to the slip's stored 还款金额 and 尚欠金额, so
// an open debt (negative) comes towards zero. The outcome's balance holds
// the slip's new figures.
SlipOutcome PaySlip(DbSession& session, const SlipDesign& design, const QString& number, Amount amount,
                    const QString& operatorName, const QDateTime& when);

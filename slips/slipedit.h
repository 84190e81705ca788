#pragma once
#include "dbsession.h"
#include "slipdesign.h"
#include "slipvalues.h"

// Edits the texts of a saved slip, in one transaction, never an amount or a
// stock figure. Each family writes the texts its dialog shows: a purchase
// slip its 供应商 and 备注, a sales slip its 客户, 业务员, 介绍人 and 备注 (on
// its lines too) and a loss slip its 备注. A new number renumbers the lines
// and payments with the header and is refused when it is empty, not the
// kind's letter and seven digits, or another slip of the table holds it
// ("单据编号无效或已存在！"). A sales slip's points
// follow a changed customer or introducer: the old name gives back what the
// save gave, the new one receives it.
SlipOutcome EditSlip(DbSession& session, const SlipDesign& design, const QString& number, const SlipEdit& edit);

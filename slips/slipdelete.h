#pragma once
#include "dbsession.h"
#include "slipdesign.h"
#include "slipvalues.h"

// Deletes a slip of the design's kind with what its save moved, in one
// transaction: its lines are read from the line table by the number and all
// checked (a later line of a goods from the earlier one's result) before
// anything is written; then a sales slip's points are taken back from the
// customer and introducer it names, the stock rows are written, and the
// header, lines and payments are deleted. Refused with the design's message
// when a line's goods has no stock row, and, where the design refuses short
// stock, with "库存量与库存金额已小于该单号数值，不符合删除条件！".
SlipOutcome DeleteSlipWithRollback(DbSession& session, const SlipDesign& design, const QString& number);

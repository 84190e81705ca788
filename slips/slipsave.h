#pragma once
#include "dbsession.h"
#include "slipdesign.h"
#include "slipvalues.h"

#include <QList>

// Saves a slip of the design's kind, in one transaction: the header row, a
// sales slip's points (customer, then introducer), then per line its row and
// its stock move. Refuses a number that is empty or that the header table
// already holds ("单据编号无效或已存在！").
SlipOutcome SaveSlip(DbSession& session, const SlipDesign& design, const SlipHeader& header, const QList<SlipLine>& lines);

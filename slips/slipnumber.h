#pragma once
#include "dbsession.h"
#include "slipdesign.h"

// The number the kind's next slip takes: its letter and the counter of the
// highest number of the kind (in text order, its last seven characters read
// as a number) plus 1, seven digits wide; letter and "0000001" for the
// first. A number the header table already holds under another 类别 is
// skipped.
DbResult<QString> NextSlipNumber(DbSession& session, const SlipDesign& design);

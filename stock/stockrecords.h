#pragma once
// What the stocktaking and loss records share of the records-window family:
// the slips with their quantity and amount totals, queried by number or
// operator through the input dialog of that name, and today's slips alone
// at each opening.
#include "sliprecordsform.h"

SlipRecordsDesign StockRecordsDesign(const QString& formName, const QString& caption, const SlipDesign& slip,
                                     QList<ListColumn> lineColumns, const QString& inputDialog);

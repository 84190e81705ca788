#pragma once
// What the stocktaking and loss slips share of the slip-entry family: a
// goods lookup without a barcode box.
#include "slipentryform.h"

// The family's design with what every stock-control slip has: no partner,
// the lookup by search code alone, F7 and F8 through the input dialog of
// that name.
SlipEntryDesign StockEntryDesign(const QString& formName, const QString& caption, const SlipDesign& slip,
                                 const QString& inputDialog);

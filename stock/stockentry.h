#pragma once
// What the stocktaking and loss slips share of the slip-entry family.
#include "slipentryform.h"

// The goods lookup of every stock-control slip: by search code alone, with
// no barcode box.
GoodsLookupDesign StockGoodsLookup();

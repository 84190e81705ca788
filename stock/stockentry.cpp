#include "stockentry.h"

GoodsLookupDesign StockGoodsLookup()
{
    return {.codeHeader = QStringLiteral("商品编号"), .barcodeBox = false, .filterCaption = QStringLiteral("[输入商品]")};
}

#include "frmOther1.h"
#include "stockentry.h"

namespace {
SlipEntryDesign lossDesign()
{
    return {.formName = QStringLiteral("frmOther1"),
            .caption = QStringLiteral("商品报损"),
            .slip = &SlipDesigns::Loss,
            .numberCaption = QStringLiteral("[单 据 号]"),
            .dateCaption = QStringLiteral("[日    期]"),
            .lineColumns = GoodsLineColumns(),
            .lookup = StockGoodsLookup(),
            .unknownGoodsMessage = QStringLiteral("该商品不存在。"),
            .noStockMessage = QStringLiteral("库存中无此商品，不能报损"),
            .noStockTitle = {}, // the refusal comes untitled
            .overStockMessage = QStringLiteral("报损数量不能大于库存量[%1]。"),
            .overStockResetsQuantity = true,
            .inputDialog = QStringLiteral("frmOther15"),
            .saveQuestion = QStringLiteral("确认要把这些商品报废吗？")};
}
}

frmOther1::frmOther1(QWidget* parent)
    : SlipEntryForm(lossDesign(), parent)
{
}

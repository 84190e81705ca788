#include "frmOther1.h"
#include "stockentry.h"

namespace {
SlipEntryDesign lossDesign()
{
    SlipEntryDesign design =
        StockEntryDesign(QStringLiteral("frmOther1"), QStringLiteral("商品报损"), SlipDesigns::Loss, QStringLiteral("frmOther15"));
    design.numberCaption = QStringLiteral("[单 据 号]");
    design.dateCaption = QStringLiteral("[日    期]");
    design.wholeDiscount = true;
    design.lineColumns = GoodsLineColumns();
    design.unknownGoodsMessage = QStringLiteral("该商品不存在。");
    design.noStockMessage = QStringLiteral("库存中无此商品，不能报损");
    design.noStockTitle.clear();
    design.overStockMessage = QStringLiteral("报损数量不能大于库存量[%1]。");
    design.overStockResetsQuantity = true;
    design.saveQuestion = QStringLiteral("确认要把这些商品报废吗？");
    return design;
}
}

frmOther1::frmOther1(QWidget* parent)
    : SlipEntryForm(lossDesign(), parent)
{
}

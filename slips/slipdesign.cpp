#include "slipdesign.h"

namespace {
const QString Return = QStringLiteral("退货");
const QString NoStockRecord = QStringLiteral("该商品库存已无记录,不符合删除条件！");

// The return of a kind: numbered with "T" under 类别 '退货', moving stock
// and points the other way.
SlipDesign returnOf(const SlipDesign& slip, SlipKind kind)
{
    SlipDesign design = slip;
    design.kind = kind;
    design.letter = QStringLiteral("T");
    design.category = Return;
    design.stockSign = -slip.stockSign;
    design.pointsSign = -slip.pointsSign;
    return design;
}
}

namespace SlipDesigns {
const SlipDesign StockIn{SlipKind::StockIn,
                         SlipFamily::Purchase,
                         QStringLiteral("入库单"),
                         QStringLiteral("入库单明细"),
                         QStringLiteral("入库单明细1"),
                         QStringLiteral("R"),
                         QStringLiteral("入库"),
                         QStringLiteral("进价"),
                         +1,
                         TakeBack::LineValue,
                         QStringLiteral("该商品已无库存"),
                         true,
                         DebtRule::AsPaid,
                         0};

const SlipDesign PurchaseReturn = returnOf(StockIn, SlipKind::PurchaseReturn);

const SlipDesign Sale{SlipKind::Sale,
                      SlipFamily::Sales,
                      QStringLiteral("出库单"),
                      QStringLiteral("出库单明细"),
                      QStringLiteral("出库单明细1"),
                      QStringLiteral("C"),
                      QStringLiteral("出库"),
                      QStringLiteral("零售价"),
                      -1,
                      TakeBack::CostAmount,
                      NoStockRecord,
                      true,
                      DebtRule::OwedOnly,
                      +1};

const SlipDesign SalesReturn = returnOf(Sale, SlipKind::SalesReturn);

const SlipDesign Stocktake{SlipKind::Stocktake,
                           SlipFamily::Stocktake,
                           QStringLiteral("盘点单"),
                           QStringLiteral("盘点单明细"),
                           {},
                           QStringLiteral("P"),
                           {},
                           QStringLiteral("进价"),
                           0,
                           TakeBack::Nothing,
                           {},
                           false,
                           DebtRule::None,
                           0};

const SlipDesign Loss{SlipKind::Loss,
                      SlipFamily::Loss,
                      QStringLiteral("调失单"),
                      QStringLiteral("调失单明细"),
                      {},
                      QStringLiteral("L"),
                      QStringLiteral("报损"),
                      QStringLiteral("进价"),
                      -1,
                      TakeBack::LineValue,
                      NoStockRecord,
                      false,
                      DebtRule::None,
                      0};

const SlipDesign Expense{SlipKind::Expense, SlipFamily::Expense, QStringLiteral("日常支出"), {}, {}, QStringLiteral("Z"),
                         {}, {}, 0, TakeBack::Nothing, {}, false, DebtRule::None, 0};

const SlipDesign& purchase(const QString& slipMode) { return slipMode == Return ? PurchaseReturn : StockIn; }
const SlipDesign& sales(const QString& slipMode) { return slipMode == Return ? SalesReturn : Sale; }
}

#include "slipdesign.h"

namespace {
const QString Return = QStringLiteral("退货");
const QString NoStockRecord = QStringLiteral("该商品库存已无记录,不符合删除条件！");
}

// A return is written out in full, not derived from its slip: a change to the
// stock-in or the sale must not reach the return unseen. Returns are numbered
// with "T" under 类别 '退货' and move stock and points the other way.
namespace SlipDesigns {
const SlipDesign StockIn{.kind = SlipKind::StockIn,
                         .family = SlipFamily::Purchase,
                         .headerTable = QStringLiteral("入库单"),
                         .lineTable = QStringLiteral("入库单明细"),
                         .paymentTable = QStringLiteral("入库单明细1"),
                         .letter = QStringLiteral("R"),
                         .category = QStringLiteral("入库"),
                         .newLinePrice = QStringLiteral("进价"),
                         .stockSign = +1,
                         .takeBack = TakeBack::LineValue,
                         .missingStockMessage = QStringLiteral("该商品已无库存"),
                         .refusesShortStock = true,
                         .debtRule = DebtRule::AsPaid};

const SlipDesign PurchaseReturn{.kind = SlipKind::PurchaseReturn,
                                .family = SlipFamily::Purchase,
                                .headerTable = QStringLiteral("入库单"),
                                .lineTable = QStringLiteral("入库单明细"),
                                .paymentTable = QStringLiteral("入库单明细1"),
                                .letter = QStringLiteral("T"),
                                .category = Return,
                                .newLinePrice = QStringLiteral("进价"),
                                .stockSign = -1,
                                .takeBack = TakeBack::LineValue,
                                .missingStockMessage = QStringLiteral("该商品已无库存"),
                                .refusesShortStock = true,
                                .debtRule = DebtRule::AsPaid};

const SlipDesign Sale{.kind = SlipKind::Sale,
                      .family = SlipFamily::Sales,
                      .headerTable = QStringLiteral("出库单"),
                      .lineTable = QStringLiteral("出库单明细"),
                      .paymentTable = QStringLiteral("出库单明细1"),
                      .letter = QStringLiteral("C"),
                      .category = QStringLiteral("出库"),
                      .newLinePrice = QStringLiteral("零售价"),
                      .stockSign = -1,
                      .takeBack = TakeBack::CostAmount,
                      .missingStockMessage = NoStockRecord,
                      .refusesShortStock = true,
                      .debtRule = DebtRule::OwedOnly,
                      .pointsSign = +1,
                      .wholeDiscount = true};

const SlipDesign SalesReturn{.kind = SlipKind::SalesReturn,
                             .family = SlipFamily::Sales,
                             .headerTable = QStringLiteral("出库单"),
                             .lineTable = QStringLiteral("出库单明细"),
                             .paymentTable = QStringLiteral("出库单明细1"),
                             .letter = QStringLiteral("T"),
                             .category = Return,
                             .newLinePrice = QStringLiteral("零售价"),
                             .stockSign = +1,
                             .takeBack = TakeBack::CostAmount,
                             .missingStockMessage = NoStockRecord,
                             .refusesShortStock = true,
                             .debtRule = DebtRule::OwedOnly,
                             .pointsSign = -1,
                             .wholeDiscount = true};

// A count sets the stock: nothing to take back, no partner to owe.
const SlipDesign Stocktake{.kind = SlipKind::Stocktake,
                           .family = SlipFamily::Stocktake,
                           .headerTable = QStringLiteral("盘点单"),
                           .lineTable = QStringLiteral("盘点单明细"),
                           .letter = QStringLiteral("P"),
                           .newLinePrice = QStringLiteral("进价"),
                           .stockSign = 0,
                           .lineRule = LineRule::Count};

const SlipDesign Loss{.kind = SlipKind::Loss,
                      .family = SlipFamily::Loss,
                      .headerTable = QStringLiteral("调失单"),
                      .lineTable = QStringLiteral("调失单明细"),
                      .letter = QStringLiteral("L"),
                      .category = QStringLiteral("报损"),
                      .newLinePrice = QStringLiteral("进价"),
                      .stockSign = -1,
                      .takeBack = TakeBack::LineValue,
                      .missingStockMessage = NoStockRecord,
                      .wholeDiscount = true};

const SlipDesign Expense{.kind = SlipKind::Expense,
                         .family = SlipFamily::Expense,
                         .headerTable = QStringLiteral("日常支出"),
                         .letter = QStringLiteral("Z")};

const SlipDesign& purchase(const QString& slipMode) { return slipMode == Return ? PurchaseReturn : StockIn; }
const SlipDesign& sales(const QString& slipMode) { return slipMode == Return ? SalesReturn : Sale; }
}

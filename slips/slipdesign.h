#pragma once
#include "linefigures.h"

#include <QString>

enum class SlipKind { StockIn, PurchaseReturn, Sale, SalesReturn, Stocktake, Loss, Expense };

// The slip books by their tables: each family writes its own header and line rows.
enum class SlipFamily { Purchase, Sales, Stocktake, Loss, Expense };

// What a deletion gives back to stock per line.
enum class TakeBack {
    Nothing,
    LineValue,  // 数量 x 单价, as a purchase or loss save moved it
    CostAmount, // the line's 成本金额, as a sales save moved it
};

// What a slip stores as its open balance (欠款金额 and 尚欠金额) from the cash
// paid minus the total.
enum class DebtRule {
    None,
    AsPaid,   // whatever its sign
    OwedOnly, // only below zero, else 0
};

// One slip kind: its tables, its number, and how its saves and deletions
// move the books. Every slip form, records window and dialog of the kind
// calls the slip functions with its design.
struct SlipDesign {
    SlipKind kind;
    SlipFamily family;
    QString headerTable;
    QString lineTable = {};    // empty: the book has no lines
    QString paymentTable = {}; // empty: the kind takes no payments
    QString letter;            // of the slip number: letter and seven digits
    QString category = {};     // 类别 of the kind's header rows; empty when its table holds one kind
    QString newLinePrice = {}; // the 商品信息 column whose price a new line starts from
    // How a save moves a line's stock: +1 in, -1 out, 0 sets it to the count.
    int stockSign = 0;
    TakeBack takeBack = TakeBack::Nothing;
    QString missingStockMessage = {}; // a deletion's refusal for a goods without a stock row
    // A deletion also refuses a line that leaves the stock below zero, or above
    // zero with no value.
    bool refusesShortStock = false;
    DebtRule debtRule = DebtRule::None;
    // A save adds the total, as a whole number, to the customer's and the
    // introducer's points times this sign.
    int pointsSign = 0;
    // How a line's figures follow from what was entered, and whether the
    // discount is a whole number (shown so after every change).
    LineRule lineRule = LineRule::Goods;
    bool wholeDiscount = false;
};

namespace SlipDesigns {
extern const SlipDesign StockIn;
extern const SlipDesign PurchaseReturn;
extern const SlipDesign Sale;
extern const SlipDesign SalesReturn;
extern const SlipDesign Stocktake;
extern const SlipDesign Loss;
// The daily expenses are numbered like slips; their book is written apart.
extern const SlipDesign Expense;

// The purchase or sales design of a slip mode: "退货" is the return.
const SlipDesign& purchase(const QString& slipMode);
const SlipDesign& sales(const QString& slipMode);
}

#pragma once
// A slip line's figures, for every slip kind: what the entry form adds, what
// the line list shows and what the checks and the save take from a line.
#include "slipvalues.h"

// How a line's figures follow from what was entered.
enum class LineRule {
    Goods, // 金额 = 数量 x 单价 x 折扣 %, 成本金额 = 数量 x 单位成本, 利润金额 = 金额 - 成本金额
    Count, // a stocktake: 盈亏 = 盘后数量 - 盘前数量, 金额 = 盈亏 x 单价
};

struct LineFigures {
    Amount amount; // 金额
    Amount cost;   // 成本金额
    Amount profit; // 利润金额
    Amount gain;   // 盈亏, a count's difference
    // None of them past what the books hold.
    bool inRange() const;
};

// The figures of a line entered with the quantity, price and unit cost of
// `line` (and a count's book quantity) at the discount, per cent; each
// product is exact until its one rounding to the cent. A Goods line already
// holding figures (merged from several entries) keeps its amount and cost:
// pass entered = false to have its profit and its range checked.
LineFigures LineFiguresOf(LineRule rule, const SlipLine& line, Amount discount = Amount::whole(100), bool entered = true);

#pragma once
#include "slipdesign.h"
#include "slipvalues.h"

#include <optional>

// A goods item's stock: quantity on hand (库存量), value (金额) and moving
// average cost (均价).
struct StockLevel {
    Amount quantity;
    Amount value;
    Amount averageCost;
    friend bool operator==(const StockLevel&, const StockLevel&) = default;
};

// The moving average cost after the quantity and value changed: the value
// over the quantity, to the cent; none when the quantity rounds to 0.00, and
// the old average stays.
std::optional<Amount> RecalcAverageCost(Amount quantity, Amount value);

// What a saved line makes of its goods' stock: the row's new level, or, when
// the goods has no row (before is none), the level of the row the save
// creates; none when the line moves no stock (a loss of a goods without a row).
std::optional<StockLevel> StockAfterSave(const SlipDesign& design, const std::optional<StockLevel>& before, const SlipLine& line);

// The value a line moved: units x per unit (数量 x 单价, or a sales line's
// 成本金额 x 1), kept exact until the stock value's one rounding.
struct MovedValue {
    Amount units;
    Amount perUnit = Amount::whole(1);
};

// What deleting a slip makes of a stock level when it takes back one line
// of the given quantity and value (the value the save moved); none when the
// design refuses the result. A level past the book limit is given as it is,
// for the caller to refuse.
std::optional<StockLevel> StockAfterTakeBack(const SlipDesign& design, const StockLevel& before, Amount quantity,
                                             const MovedValue& value);

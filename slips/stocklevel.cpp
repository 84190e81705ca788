#include "stocklevel.h"

namespace {
Amount cents(Amount amount) { return amount.rounded(2); }

Amount signedBy(int sign, Amount amount) { return sign < 0 ? -amount : amount; }

// The quantity moves by `quantity`, the value by quantity x per unit, exact
// until the one rounding of the new value.
StockLevel moved(const StockLevel& before, Amount quantity, Amount perUnit)
{
    StockLevel after{cents(before.quantity + quantity), Amount::plusProduct(before.value, quantity, perUnit, 2),
                     before.averageCost};
    after.averageCost = RecalcAverageCost(after.quantity, after.value).value_or(before.averageCost);
    return after;
}
}

std::optional<Amount> RecalcAverageCost(Amount quantity, Amount value)
{
    if (cents(quantity).isZero())
        return std::nullopt;
    return Amount::quotient(value, quantity, 2);
}

std::optional<StockLevel> StockAfterSave(const SlipDesign& design, const std::optional<StockLevel>& before, const SlipLine& line)
{
    const int sign = design.stockSign;
    switch (design.family) {
    case SlipFamily::Purchase:
        // A new row takes the line's (discounted) amount, an existing one moves by quantity x price.
        if (!before)
            return StockLevel{signedBy(sign, line.quantity), signedBy(sign, line.amount), line.price};
        return moved(*before, signedBy(sign, line.quantity), line.price);
    case SlipFamily::Sales:
        if (!before)
            return StockLevel{signedBy(sign, line.quantity), signedBy(sign, line.costAmount), line.unitCost};
        return moved(*before, signedBy(sign, line.quantity), before->averageCost);
    case SlipFamily::Stocktake: {
        const Amount counted = Amount::product(line.quantity, line.price, 2);
        if (!before)
            return StockLevel{line.quantity, counted, line.price};
        StockLevel after{cents(line.quantity), counted, before->averageCost};
        after.averageCost = RecalcAverageCost(after.quantity, after.value).value_or(before->averageCost);
        return after;
    }
    case SlipFamily::Loss:
        if (!before)
            return std::nullopt;
        return StockLevel{cents(before->quantity - line.quantity),
                          Amount::plusProduct(before->value, -line.quantity, line.price, 2), before->averageCost};
    case SlipFamily::Expense:
        break;
    }
    return std::nullopt;
}

std::optional<StockLevel> StockAfterTakeBack(const SlipDesign& design, const StockLevel& before, Amount quantity,
                                             const MovedValue& value)
{
    const int sign = -design.stockSign;
    const Amount q = cents(before.quantity + signedBy(sign, quantity));
    const Amount a = Amount::plusProduct(before.value, signedBy(sign, value.units), value.perUnit, 2);
    if (!design.refusesShortStock || q.isOutOfRange() || a.isOutOfRange())
        return StockLevel{q, a, RecalcAverageCost(q, a).value_or(before.averageCost)};
    if (q.isZero())
        return StockLevel{};
    if (q > Amount() && a > Amount())
        return StockLevel{q, a, Amount::quotient(a, q, 2)};
    return std::nullopt;
}

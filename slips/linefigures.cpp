#include "linefigures.h"

bool LineFigures::inRange() const
{
    return !amount.isOutOfRange() && !cost.isOutOfRange() && !profit.isOutOfRange() && !gain.isOutOfRange();
}

LineFigures LineFiguresOf(LineRule rule, const SlipLine& line, Amount discount, bool entered)
{
    LineFigures figures;
    if (rule == LineRule::Count) {
        figures.gain = (line.quantity - line.bookQuantity).rounded(2);
        figures.amount = Amount::product(figures.gain, line.price, 2);
    } else if (entered) {
        figures.amount = Amount::percentOf(line.quantity, line.price, discount, 2);
        figures.cost = Amount::product(line.quantity, line.unitCost, 2);
    } else {
        figures.amount = line.amount.rounded(2);
        figures.cost = line.costAmount.rounded(2);
    }
    figures.profit = figures.amount - figures.cost;
    return figures;
}

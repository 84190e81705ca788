#include "slipsave.h"
#include "linefigures.h"
#include "slipbook.h"

#include <algorithm>

namespace {
using SlipBook::dateText;

Amount storedDebt(const SlipDesign& design, Amount difference)
{
    return design.debtRule == DebtRule::OwedOnly ? std::min(difference, Amount()) : difference;
}

ColumnValues headerRow(const SlipDesign& design, const SlipHeader& h)
{
    ColumnValues row{{QStringLiteral("单号"), h.number},
                     {QStringLiteral("日期"), dateText(h.date)},
                     {QStringLiteral("时间"), SlipBook::timeText(h.time)},
                     {QStringLiteral("操作员"), h.operatorName}};
    const double debt = storedDebt(design, h.difference).toDouble();
    switch (design.family) {
    case SlipFamily::Purchase:
        row << ColumnValues{{QStringLiteral("折扣"), h.discount.toDouble()},
                            {QStringLiteral("供应商"), h.partner},
                            {QStringLiteral("合计数量"), h.totalQuantity.toDouble()},
                            {QStringLiteral("合计金额"), h.totalAmount.toDouble()},
                            {QStringLiteral("欠款金额"), debt},
                            {QStringLiteral("尚欠金额"), debt},
                            {QStringLiteral("类别"), design.category},
                            {QStringLiteral("备注"), h.remark}};
        break;
    case SlipFamily::Sales:
        row << ColumnValues{{QStringLiteral("客户"), h.partner},
                            {QStringLiteral("介绍人"), h.introducer},
                            {QStringLiteral("合计数量"), h.totalQuantity.toDouble()},
                            {QStringLiteral("合计金额"), h.totalAmount.toDouble()},
                            {QStringLiteral("合计成本"), h.totalCost.toDouble()},
                            {QStringLiteral("合计利润"), h.totalProfit.toDouble()},
                            {QStringLiteral("类别"), design.category},
                            {QStringLiteral("折扣"), h.discount.toDouble()},
                            {QStringLiteral("业务员"), h.salesman},
                            {QStringLiteral("备注"), h.remark},
                            {QStringLiteral("欠款金额"), debt},
                            {QStringLiteral("尚欠金额"), debt}};
        break;
    case SlipFamily::Stocktake:
        row << ColumnValues{{QStringLiteral("合计数量"), h.totalQuantity.toDouble()},
                            {QStringLiteral("合计金额"), h.totalAmount.toDouble()},
                            {QStringLiteral("备注"), h.remark}};
        break;
    case SlipFamily::Loss:
        row << ColumnValues{{QStringLiteral("折扣"), h.discount.toDouble()},
                            {QStringLiteral("合计数量"), h.totalQuantity.toDouble()},
                            {QStringLiteral("合计金额"), h.totalAmount.toDouble()},
                            {QStringLiteral("类别"), design.category},
                            {QStringLiteral("备注"), h.remark}};
        break;
    case SlipFamily::Expense:
        break;
    }
    return row;
}

ColumnValues lineRow(const SlipDesign& design, const SlipHeader& h, const SlipLine& line)
{
    ColumnValues row{{QStringLiteral("单号"), h.number}, {QStringLiteral("日期"), dateText(h.date)}};
    if (design.family == SlipFamily::Purchase || design.family == SlipFamily::Sales)
        row << ColumnValues{{QStringLiteral("年月"), SlipBook::monthText(h.date)}};
    row << ColumnValues{{QStringLiteral("商品编号"), line.goodsCode},
                        {QStringLiteral("商品名称"), line.goodsName},
                        {QStringLiteral("规格"), line.size},
                        {QStringLiteral("单位"), line.unit}};
    if (design.family == SlipFamily::Stocktake) {
        row << ColumnValues{{QStringLiteral("盘前数量"), line.bookQuantity.toDouble()},
                            {QStringLiteral("盘后数量"), line.quantity.toDouble()},
                            {QStringLiteral("盈亏"), line.gain.toDouble()},
                            {QStringLiteral("单价"), line.price.toDouble()},
                            {QStringLiteral("金额"), line.amount.toDouble()},
                            {QStringLiteral("类别"), line.category}};
        return row;
    }
    row << ColumnValues{{QStringLiteral("数量"), line.quantity.toDouble()},
                        {QStringLiteral("单价"), line.price.toDouble()},
                        {QStringLiteral("折扣"), h.discount.toDouble()},
                        {QStringLiteral("金额"), line.amount.toDouble()},
                        {QStringLiteral("类别"), line.category}};
    if (design.family == SlipFamily::Sales)
        row << ColumnValues{{QStringLiteral("成本金额"), line.costAmount.toDouble()},
                            {QStringLiteral("利润金额"), LineFiguresOf(design.lineRule, line, {}, false).profit.toDouble()},
                            {QStringLiteral("客户"), h.partner},
                            {QStringLiteral("业务员"), h.salesman},
                            {QStringLiteral("介绍人"), h.introducer}};
    if (design.family != SlipFamily::Loss)
        row << ColumnValues{{QStringLiteral("类别2"), design.category}};
    return row;
}

SlipOutcome moveStock(DbSession& session, const SlipDesign& design, const SlipLine& line)
{
    auto row = SlipBook::readStock(session, line.goodsCode);
    if (!row)
        return SlipOutcome::failed(row.error());
    const std::optional<StockLevel> before = *row ? std::optional<StockLevel>((*row)->level) : std::nullopt;
    const std::optional<StockLevel> after = StockAfterSave(design, before, line);
    if (!after)
        return SlipOutcome::done();
    if (auto refused = SlipBook::stockPastBookLimit(line.goodsName, *after))
        return *refused;
    const DbStatus written = *row ? SlipBook::writeStock(session, **row, *after) : SlipBook::createStock(session, line, *after);
    return written ? SlipOutcome::done() : SlipOutcome::failed(written.error());
}

// The figures the slip's rows would hold, each within the book limit, and
// so the sum of its line amounts.
std::optional<SlipOutcome> figuresPastBookLimit(const SlipHeader& h, const QList<SlipLine>& lines)
{
    Amount lineAmounts;
    for (const SlipLine& line : lines) {
        if (auto refused = SlipBook::pastBookLimit(SlipBook::goodsOwner(line.goodsName),
                                                   {{QStringLiteral("数量"), line.quantity},
                                                    {QStringLiteral("单价"), line.price},
                                                    {QStringLiteral("金额"), line.amount},
                                                    {QStringLiteral("成本金额"), line.costAmount},
                                                    {QStringLiteral("利润金额"),
                                                     LineFiguresOf(LineRule::Goods, line, {}, false).profit},
                                                    {QStringLiteral("盘前数量"), line.bookQuantity},
                                                    {QStringLiteral("盈亏"), line.gain}}))
            return refused;
        lineAmounts += line.amount;
    }
    return SlipBook::pastBookLimit({}, {{QStringLiteral("合计数量"), h.totalQuantity},
                                        {QStringLiteral("合计金额"), h.totalAmount},
                                        {QStringLiteral("合计金额"), lineAmounts},
                                        {QStringLiteral("合计成本"), h.totalCost},
                                        {QStringLiteral("合计利润"), h.totalProfit},
                                        {QStringLiteral("欠款金额"), h.difference},
                                        {QStringLiteral("折扣"), h.discount}});
}

SlipOutcome save(DbSession& session, const SlipDesign& design, const SlipHeader& header, const QList<SlipLine>& lines)
{
    if (header.number.trimmed().isEmpty())
        return SlipOutcome::refused(QStringLiteral("单据编号无效或已存在！"));
    auto held = SlipBook::numberHeld(session, design, header.number);
    if (!held)
        return SlipOutcome::failed(held.error());
    if (*held)
        return SlipOutcome::refused(QStringLiteral("单据编号无效或已存在！"));
    if (auto refused = figuresPastBookLimit(header, lines))
        return *refused;
    if (auto written = session.insert(design.headerTable, headerRow(design, header)); !written)
        return SlipOutcome::failed(written.error());
    const Amount points = SlipBook::slipPoints(design, header.totalAmount);
    if (design.pointsSign != 0) {
        for (const QString& name : {header.partner, header.introducer}) {
            if (SlipOutcome moved = SlipBook::movePoints(session, name, points); !moved)
                return moved;
        }
    }
    for (const SlipLine& line : lines) {
        if (auto written = session.insert(design.lineTable, lineRow(design, header, line)); !written)
            return SlipOutcome::failed(written.error());
        if (SlipOutcome moved = moveStock(session, design, line); !moved)
            return moved;
    }
    return SlipOutcome::done();
}
}

SlipOutcome SaveSlip(DbSession& session, const SlipDesign& design, const SlipHeader& header, const QList<SlipLine>& lines)
{
    return SlipBook::write(session, [&](DbSession& s) { return save(s, design, header, lines); });
}

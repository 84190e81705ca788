#pragma once
// Driving the sales slip as a user does, with the slip forms' helpers.
#include "frmOut1.h"
#include "slipentrydrive.h"

#include <QRadioButton>

namespace SalesDrive {
using namespace SlipEntryDrive;

// A goods sold at a retail price, with its pinyin code and barcode.
inline void putSalesGoods(const QString& code, const QString& name, const QString& pinyin, const QString& barcode,
                          const QString& retailPrice)
{
    putGoods(code, name, pinyin, barcode);
    SlipBooks::execute(QStringLiteral("update 商品信息 set 零售价 = ? where 商品编号 = ?"), {retailPrice.toDouble(), code});
}

// The sales slip of a mode ("退货": the sales return), opened by an operator.
inline frmOut1* openSales(const QString& slipMode = {}, const QString& operatorName = QStringLiteral("管理员"))
{
    return open<frmOut1>(slipMode, operatorName);
}

// Quantity, price, amount, unit cost, cost and profit of each line.
inline QStringList salesFigures(const QWidget* form)
{
    QStringList figures;
    for (const QString& row : rows(form, "ListView1")) {
        const QStringList cells = row.split(QStringLiteral(" | "));
        figures << QStringList{cells.value(4), cells.value(5), cells.value(6), cells.value(10), cells.value(11), cells.value(12)}
                       .join(QStringLiteral(" / "));
    }
    return figures;
}

// Quantity, amount, cost and profit totals.
inline QString salesTotals(const QWidget* form)
{
    return totals(form) + QStringLiteral(" / ") + text(form, "TextMoneys2") + QStringLiteral(" / ") + text(form, "TextMoneys3");
}

// Picks a goods through the lookup list: its pinyin code typed into the filter, then Enter.
inline void pickByFilter(const QWidget* form, const QString& pinyin)
{
    control<QRadioButton>(form, "Option1")->click();
    fillAndEnter(form, "TextName2", pinyin);
}

// Scans a barcode into the barcode box (barcode mode), with its Enter.
inline void scan(const QWidget* form, const QString& barcode)
{
    control<QRadioButton>(form, "Option4")->click();
    fillAndEnter(form, "TextName3", barcode);
}
}

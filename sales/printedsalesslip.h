#pragma once
// The printed sales slip: the fourth sheet of 销售单.xls filled with one
// slip's number, date and salesman, its customer's address details and its
// goods lines, all read by the slip's number as stored.
#include "dbsession.h"
#include "exporttoexcel.h"
#include "slipdesign.h"

#include <optional>

struct PrintedSalesSlip {
    QString number;
    QString date;
    QString salesman;
    // 名称, 地址, 联系人 and 电话 as stored; empty without a customer of the slip's name.
    QVariantList customer;
    // 商品名称, 规格, 单位, then 数量, 单价 and 金额 as the records list shows them.
    QList<QVariantList> lines;
};

// None when the slip is no longer in its book.
DbResult<std::optional<PrintedSalesSlip>> ReadPrintedSalesSlip(DbSession& session, const SlipDesign& design,
                                                               const QString& number);

// The template's line area holds 26 lines; a longer slip goes on below it,
// the totals and signatures moving down, their sums covering every line.
ExcelExport PrintedSalesSlipExport(const PrintedSalesSlip& slip);

#pragma once
// The stock-in forms in the shared drives: the stock-in slip is the slip
// form opened unless told, and its records hold the stock-in slips.
#include "frmIn1.h"
#include "frmInDetail.h"
#include "recordsdrive.h"

namespace SlipEntryDrive {

// The stock-in slip of a mode ("退货": the purchase return), opened by an operator.
inline frmIn1* open(const QString& slipMode = {}, const QString& operatorName = QStringLiteral("管理员"))
{
    return open<frmIn1>(slipMode, operatorName);
}

}

namespace RecordsDrive {

struct SavedSlip {
    QString number;
    QString date = QStringLiteral("2024-03-05");
    QString supplier = QStringLiteral("张三");
    QString difference = QStringLiteral("0"); // cash paid minus the total: the open balance
    QString operatorName = QStringLiteral("管理员");
    QString discount = QStringLiteral("100");
    QString remark = QStringLiteral("-");
    QList<SlipLine> lines = {SlipBooks::line(QStringLiteral("SP000001"), QStringLiteral("1"), QStringLiteral("10"))};
};

// Saves a stock-in slip ("T…": a purchase return) with its lines, which carry their amounts.
inline void save(SavedSlip slip)
{
    const SlipDesign& design = slip.number.startsWith(QLatin1Char('T')) ? SlipDesigns::PurchaseReturn : SlipDesigns::StockIn;
    SlipHeader header = headerOf(slip.number, slip.date, slip.supplier, slip.operatorName, slip.remark, slip.difference);
    header.discount = SlipBooks::amount(slip.discount);
    saveSlip(design, header, slip.lines);
}

// The records window.
inline frmInDetail* openRecords(const QString& slipMode = {}, const QString& operatorName = QStringLiteral("管理员"))
{
    return open<frmInDetail>(slipMode, operatorName);
}

// The slip's stored header columns, joined by " | ".
inline QString stored(const QString& number, const QString& columns)
{
    return SlipBooks::rowsOf(QStringLiteral("select %1 from 入库单 where 单号 = ?").arg(columns), {number})
        .join(QLatin1Char('\n'));
}

}

#pragma once
// Driving the sales records as a user does, with the shared records helpers:
// sales saved through the slip core, the window opened as the main window
// opens it.
#include "frmOutDetail.h"
#include "recordsdrive.h"

namespace SalesRecordsDrive {
using namespace RecordsDrive;

struct SavedSale {
    QString number;
    QString date = QStringLiteral("2024-03-05");
    QString customer = QStringLiteral("张三");
    QString introducer = QStringLiteral("-");
    QString salesman = QStringLiteral("-");
    QString difference = QStringLiteral("0"); // cash paid minus the total
    QString operatorName = QStringLiteral("管理员");
    QString remark = QStringLiteral("-");
    // 1 @ 10.60 at a unit cost of 8.
    QList<SlipLine> lines = {SlipBooks::salesLine(QStringLiteral("SP000001"), QStringLiteral("1"), QStringLiteral("10.6"),
                                                  QStringLiteral("10.60"), QStringLiteral("8"))};
};

// Saves a sale ("T…": a sales return) as the sales slip saves it, moving stock and points.
inline void saveSale(const SavedSale& slip)
{
    const SlipDesign& design = slip.number.startsWith(QLatin1Char('T')) ? SlipDesigns::SalesReturn : SlipDesigns::Sale;
    SlipHeader header = headerOf(slip.number, slip.date, slip.customer, slip.operatorName, slip.remark, slip.difference);
    header.introducer = slip.introducer;
    header.salesman = slip.salesman;
    saveSlip(design, header, slip.lines);
}

inline frmOutDetail* openSalesRecords(const QString& slipMode = {}, const QString& operatorName = QStringLiteral("管理员"))
{
    return open<frmOutDetail>(slipMode, operatorName);
}

// The sale's stored header columns, joined by " | ".
inline QString storedSale(const QString& number, const QString& columns)
{
    return SlipBooks::rowsOf(QStringLiteral("select %1 from 出库单 where 单号 = ?").arg(columns), {number})
        .join(QLatin1Char('\n'));
}

// The sale's lines' stored columns, one line per row.
inline QStringList storedSaleLines(const QString& number, const QString& columns)
{
    return SlipBooks::rowsOf(QStringLiteral("select %1 from 出库单明细 where 单号 = ? order by rowid").arg(columns), {number});
}
}

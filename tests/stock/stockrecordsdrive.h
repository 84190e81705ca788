#pragma once
// Driving the stocktaking and loss records as a user does, with the records
// windows' helpers; slips saved through the slip core.
#include "recordsdrive.h"

namespace StockRecordsDrive {
using namespace RecordsDrive;

// Saves a slip of the design from the core's test header, dated and by the
// operator given, at the discount given, with its totals summed from the
// lines, which carry their amounts.
inline void saveStockSlip(const SlipDesign& design, const QString& number, const QString& date, const QList<SlipLine>& lines,
                          const QString& operatorName = QStringLiteral("管理员"), const QString& discount = QStringLiteral("100"))
{
    SlipHeader header = SlipBooks::header(number);
    header.date = QDate::fromString(date, Qt::ISODate);
    header.operatorName = operatorName;
    header.discount = SlipBooks::amount(discount);
    for (const SlipLine& line : lines) {
        header.totalQuantity += design.family == SlipFamily::Stocktake ? line.gain : line.quantity;
        header.totalAmount += line.amount;
    }
    const SlipOutcome outcome = SlipBooks::write([&](DbSession& s) { return SaveSlip(s, design, header, lines); });
    if (!outcome)
        QTest::qFail(qPrintable(SlipBooks::outcomeText(outcome)), __FILE__, __LINE__);
}

// A count of a goods: its book quantity, the count and the price, with its gain and amount.
inline SlipLine countLine(const QString& code, const QString& book, const QString& counted, const QString& price)
{
    SlipLine line = SlipBooks::line(code, counted, price);
    line.bookQuantity = SlipBooks::amount(book);
    line.gain = line.quantity - line.bookQuantity;
    line.amount = Amount::product(line.gain, line.price, 2);
    return line;
}
}

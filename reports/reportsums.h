#pragma once
// Report sums as the engine adds them: whole ten-thousandths of each row
// (Amount::unitsOf), whose total the engine refuses to wrap. A sum past the
// book limit is told as such, never shown as a figure.
#include "amount.h"
#include "dbresult.h"
#include "rows.h"

#include <QVariant>

namespace ReportSums {

// What a box shows of a sum: its money text, "合计超出范围" past the book limit.
QString text(Amount sum);
// What a cell holds: the number, or "超出范围", which a grid shows as it stands.
QVariant cell(Amount sum);
// A sum as a box shows it, read back: out of range for that text.
Amount read(const QString& shown);

// A column of a row of sums.
Amount at(const Rows& rows, int row, int column);
// The statement failed because a sum passed 64 bits: past the limit, not a fault.
bool overflowed(const DbError& error);

}

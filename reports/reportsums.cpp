#include "reportsums.h"

namespace ReportSums {
namespace {
const QString PastTheLimit = QStringLiteral("合计超出范围");
}

QString text(Amount sum) { return sum.isOutOfRange() ? PastTheLimit : sum.toMoneyText(); }

QVariant cell(Amount sum) { return sum.isOutOfRange() ? QVariant(Amount::outOfRangeText()) : QVariant(sum.toDouble()); }

Amount read(const QString& shown) { return shown == PastTheLimit ? Amount::outOfRange() : Amount::fromText(shown); }

Amount at(const Rows& rows, int row, int column) { return Amount::fromTenThousandths(rows.value(row, column).toLongLong()); }

bool overflowed(const DbError& error) { return error.message == QStringLiteral("integer overflow"); }

}

#include "recordnumber.h"

#include <limits>
#include <sqlite3.h>

namespace {
// Zero-padded to the width; a longer counter is written in full.
QString formatNumber(const NumberScheme& scheme, qint64 counter)
{
    return scheme.prefix + QStringLiteral("%1").arg(counter, scheme.width, 10, QLatin1Char('0'));
}
}

DbResult<QString> NextRecordNumber(DbSession& session, const NumberScheme& scheme)
{
    // The tail is read as SQLite casts text: the leading digits, the rest ignored.
    const QString sql = QStringLiteral(
                            "select max(cast(substr(trim(\"%1\"), ?) as integer)) as last from \"%2\" "
                            "where upper(substr(trim(\"%1\"), 1, ?)) = ? and substr(trim(\"%1\"), ?, 1) between '0' and '9'")
                            .arg(scheme.column, scheme.table);
    const int tailStart = int(scheme.prefix.size()) + 1;
    auto rows = session.query(sql, {tailStart, int(scheme.prefix.size()), scheme.prefix, tailStart});
    if (!rows)
        return rows.error();
    const QVariant last = rows->value(0, QStringLiteral("last"));
    const qint64 largest = last.isNull() ? 0 : last.toLongLong();
    if (largest == std::numeric_limits<qint64>::max())
        return DbError{SQLITE_FULL, QStringLiteral("编号已用尽: ") + scheme.table};
    return formatNumber(scheme, largest + 1);
}

#include "compact.h"
#include "appstate.h"
#include "databaseswap.h"
#include "dbsession.h"
#include "salestotals.h"

#include <cerrno>
#include <sqlite3.h>

namespace {
// The sales totals summed anew from the lines, then checked against them.
DbStatus rebuildTotals(const QString& path)
{
    auto conn = Database::openFile(path);
    if (!conn)
        return conn.error();
    return conn->transaction([](DbSession& session) -> DbStatus {
        if (DbStatus rebuilt = SalesTotals::rebuild(session); !rebuilt)
            return rebuilt;
        auto differences = SalesTotals::verify(session);
        if (!differences)
            return differences.error();
        if (!differences->isEmpty())
            return DbError{SQLITE_CORRUPT, QStringLiteral("销售汇总与明细不符：") + differences->constFirst()};
        return {};
    });
}

DbStatus compactInto(const QString& databaseFile, const QString& work)
{
    {
        auto conn = Database::openFile(databaseFile);
        if (!conn)
            return conn.error();
        if (auto vacuumed = conn->exec(QStringLiteral("VACUUM INTO ?"), {work}); !vacuumed)
            return vacuumed.error();
    }
    if (DbStatus rebuilt = rebuildTotals(work); !rebuilt)
        return rebuilt;
    return DatabaseSwap::replace(work, databaseFile).status;
}
}

DbStatus compactDatabase(const QString& databaseFile)
{
    const BooksBusy busy;
    const QString work = DatabaseSwap::workFile(databaseFile);
    // VACUUM INTO refuses an existing target, and a journal an earlier attempt
    // left would be rolled into the fresh copy: clear both.
    if (!DatabaseSwap::removeWithJournals(work))
        return DbError{EACCES, QStringLiteral("无法删除 ") + work};
    const DbStatus compacted = compactInto(databaseFile, work);
    if (!compacted)
        DatabaseSwap::removeWithJournals(work);
    return compacted;
}

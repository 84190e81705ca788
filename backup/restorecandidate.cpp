#include "restorecandidate.h"
#include "appstate.h"
#include "bookupgrade.h"
#include "databaseswap.h"
#include "schemaupgrade.h"

#include <sqlite3.h>

namespace {
RestoreReason upgradeReason(const DbError& error)
{
    if ((error.code & 0xff) == SQLITE_FULL)
        return RestoreReason::NoSpace;
    return {RestoreReason::UpgradeFailed, SchemaUpgrade::failureText(error)};
}

RestoreResult refused(const QString& candidate, RestoreReason reason)
{
    DatabaseSwap::removeWithJournals(candidate);
    return {false, std::move(reason)};
}
}

RestoreResult RestoreCandidate::putInPlace(const QString& candidate, const QString& databaseFile)
{
    const BooksBusy busy;
    // A journal beside the candidate belongs to another file (an unpacked
    // archive may even carry one): rolled into the candidate it would spoil it.
    if (!DatabaseSwap::removeJournals(candidate))
        return refused(candidate, {RestoreReason::Failed, QStringLiteral("无法删除临时文件的日志 ") + candidate});
    if (const DatabaseSwap::Swapped sound = DatabaseSwap::check(candidate); !sound)
        return refused(candidate, sound.reason);
    if (const DbStatus upgraded = BookUpgrade::upgradeFile(candidate); !upgraded)
        return refused(candidate, upgradeReason(upgraded.error()));
    if (const DatabaseSwap::Swapped swapped = DatabaseSwap::replace(candidate, databaseFile); !swapped)
        return refused(candidate, swapped.reason);
    return {true, {}};
}

#include "restorecandidate.h"
#include "appstate.h"
#include "bookupgrade.h"
#include "databaseswap.h"
#include "schemaupgrade.h"

#include <QFile>
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
    QFile::remove(candidate);
    QFile::remove(candidate + QStringLiteral("-journal"));
    return {false, std::move(reason)};
}
}

RestoreResult RestoreCandidate::putInPlace(const QString& candidate, const QString& databaseFile)
{
    const BooksBusy busy;
    if (const DatabaseSwap::Swapped sound = DatabaseSwap::check(candidate); !sound)
        return refused(candidate, sound.reason);
    if (const DbStatus upgraded = BookUpgrade::upgradeFile(candidate); !upgraded)
        return refused(candidate, upgradeReason(upgraded.error()));
    if (const DatabaseSwap::Swapped swapped = DatabaseSwap::replace(candidate, databaseFile); !swapped)
        return refused(candidate, swapped.reason);
    return {true, {}};
}

#include "restore.h"
#include "databaseswap.h"
#include "restorecandidate.h"

#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

namespace {
bool sameFile(const QFileInfo& a, const QString& b)
{
    const QFileInfo other(b);
    return other.exists() && a.canonicalFilePath() == other.canonicalFilePath();
}
}

RestoreResult restoreDatabase(const QString& chosenFile, const QString& databaseFile)
{
    const QFileInfo chosen(chosenFile);
    const QString work = DatabaseSwap::workFile(databaseFile);
    // The work file is cleared before the copy, so it can never be the source.
    if (!chosen.isFile() || sameFile(chosen, databaseFile) || sameFile(chosen, work))
        return {false, {}};
    QFile::remove(work);
    if (QStorageInfo(QFileInfo(work).path()).bytesAvailable() < chosen.size())
        return {false, RestoreReason::NoSpace};
    if (!QFile::copy(chosenFile, work))
        return {false, {}};
    return RestoreCandidate::putInPlace(work, databaseFile);
}

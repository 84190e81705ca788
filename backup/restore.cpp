#include "restore.h"
#include "databaseswap.h"
#include "filecopy.h"
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
    if (!chosen.exists())
        return {false, RestoreReason::Missing};
    if (!chosen.isFile())
        return {false, RestoreReason::ForeignFile};
    // The work file is cleared before the copy, so it can never be the source.
    if (sameFile(chosen, databaseFile) || sameFile(chosen, work))
        return {false, RestoreReason::InUse};
    // What an interrupted attempt left, its journal above all, would be read
    // into the copy made under its name.
    if (!DatabaseSwap::removeWithJournals(work))
        return {false, {RestoreReason::Failed, QStringLiteral("无法删除上次留下的临时文件 ") + work}};
    if (QStorageInfo(QFileInfo(work).path()).bytesAvailable() < chosen.size())
        return {false, RestoreReason::NoSpace};
    if (const DbStatus copied = FileCopy::toNewFile(chosenFile, work); !copied)
        return {false, RestoreReason::failed(QStringLiteral("文件复制失败"), copied.error().message)};
    return RestoreCandidate::putInPlace(work, databaseFile);
}

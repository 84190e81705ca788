#include "instancelock.h"

#include <QDir>
#include <QStandardPaths>

InstanceLock::InstanceLock(const QString& programName)
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    m_lock = std::make_unique<QLockFile>(dir + QLatin1Char('/') + programName + QStringLiteral(".lock"));
    m_lock->setStaleLockTime(0);
}

bool InstanceLock::acquire()
{
    if (m_lock->isLocked() || m_lock->tryLock(0))
        return true;
    // Only a lock held by a running process means another copy; any other
    // failure (an unwritable folder) must not keep the shop out of its books.
    return m_lock->error() != QLockFile::LockFailedError;
}

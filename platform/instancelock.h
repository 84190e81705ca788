#pragma once
#include <QLockFile>
#include <QString>
#include <memory>

// The one lock that tells a second copy of a program that the first runs.
class InstanceLock {
public:
    explicit InstanceLock(const QString& programName);
    // False only when another live process holds the lock.
    bool acquire();

private:
    std::unique_ptr<QLockFile> m_lock;
};

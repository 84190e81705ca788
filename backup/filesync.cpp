#include "filesync.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {
FileSync::Observer& observer()
{
    static FileSync::Observer current;
    return current;
}

DbStatus sync(const QString& kind, const QString& path, int flags)
{
    if (observer())
        observer()(kind, path);
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | flags);
    if (fd < 0 || ::fsync(fd) != 0) {
        const int code = errno;
        if (fd >= 0)
            ::close(fd);
        return DbError{code, QString::fromLocal8Bit(std::strerror(code))};
    }
    ::close(fd);
    return {};
}
}

DbStatus FileSync::file(const QString& path) { return sync(QStringLiteral("file"), path, 0); }

DbStatus FileSync::folder(const QString& path) { return sync(QStringLiteral("folder"), path, O_DIRECTORY); }

void FileSync::setObserver(Observer observer) { ::observer() = std::move(observer); }

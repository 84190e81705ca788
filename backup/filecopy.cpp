#include "filecopy.h"
#include "filesync.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace {
DbStatus copyBytes(const QString& source, QFileDevice& target)
{
    QFile from(source);
    if (!from.open(QIODevice::ReadOnly))
        return FileCopy::errorOf(from);
    constexpr qint64 chunk = 1 << 20;
    while (!from.atEnd()) {
        const QByteArray bytes = from.read(chunk);
        if (bytes.isEmpty() && from.error() != QFileDevice::NoError)
            return FileCopy::errorOf(from);
        if (target.write(bytes) != bytes.size())
            return FileCopy::errorOf(target);
    }
    if (!target.flush())
        return FileCopy::errorOf(target);
    return {};
}
}

DbError FileCopy::errorOf(const QFileDevice& file) { return DbError{int(file.error()), file.errorString()}; }

DbStatus FileCopy::toNewFile(const QString& source, const QString& target)
{
    QFile to(target);
    if (!to.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return FileCopy::errorOf(to);
    const DbStatus copied = copyBytes(source, to);
    to.close();
    if (!copied)
        to.remove();
    return copied;
}

DbStatus FileCopy::toNewFileDurably(const QString& source, const QString& target)
{
    // Made owner-only and removed on every path that does not rename it.
    QTemporaryFile temporary(target + QStringLiteral(".XXXXXX"));
    if (!temporary.open())
        return FileCopy::errorOf(temporary);
    if (const DbStatus copied = copyBytes(source, temporary); !copied)
        return copied;
    if (const DbStatus synced = FileSync::file(temporary.fileName()); !synced)
        return synced;
    // Fails when target exists: an existing file is never overwritten.
    if (!temporary.rename(target))
        return FileCopy::errorOf(temporary);
    temporary.setAutoRemove(false);
    return FileSync::folder(QFileInfo(target).absolutePath());
}

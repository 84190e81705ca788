#pragma once
#include "dbresult.h"
#include "restorereason.h"

#include <QString>
#include <functional>
#include <optional>

// Fetching the zipped books from the backup server in ranged blocks and
// putting them in place of the live books.
namespace NetworkRestore {
constexpr qint64 blockSize = 20480;

// host & "/" & remote path, with "http://" in front unless it starts so.
QString remoteAddress(const QString& host, const QString& remotePath);

// The largest file the download takes: no archive past the unpacking limits
// can hold a backup of the books.
qint64 maxFileSize();

struct Download {
    bool finished = false;
    qint64 total = 0;
    std::optional<RestoreReason> refused; // the file cannot be restored: cut off, too large, no room
    QString notice;                       // why the server's answer ended it (a 提示 box)
    std::optional<DbError> error;         // no answer at all, or the file not written
};
// Fetches the file block by block into transferFile, which is emptied first;
// progress receives each text of the progress label. Only the block asked for
// is taken from each answer, and at most one block is held in memory; a file
// larger than maxFileSize() or than the room left for transferFile is refused
// before anything is written.
Download download(const QString& address, const QString& transferFile, const std::function<void(const QString&)>& progress);

struct Restored {
    bool books = false;             // the archive's database now holds the books
    RestoreReason reason;           // when it does not, why
    std::optional<DbError> leftOut; // another entry that could not be put in place
};
// Unpacks the archive into a work folder beside the books. Its root
// db_kcgl.mdb, once found sound and brought up to date, takes the books'
// place; only then do its other entries go into appPath, each replacing a
// file of its name. A bad archive, or one without the books, changes nothing.
Restored restoreArchive(const QString& archive, const QString& appPath);

// Removes the work folders an unpacking cut off (by a crash or a kill) left
// in appPath.
void removeLeftovers(const QString& appPath);
}

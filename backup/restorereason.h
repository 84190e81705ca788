#pragma once
#include "dbresult.h"

#include <QString>

// Why a restore put nothing in place, in the shop's words. Unknown tells no
// more than that the restore failed.
struct RestoreReason {
    enum Kind {
        Unknown,
        ForeignFile,   // not a database of these books
        Incomplete,    // cut off or damaged
        MissingTable,  // a database of the books without one of their tables
        EntryRefused,  // an archive entry outside the folder or past the limits
        NoSpace,       // for the file, or for bringing it up to date
        NewerVersion,  // made by a newer program: detail is the book's version
        UpgradeFailed, // could not be brought up to date: detail says why
        TooLarge,      // larger than any backup of the books can be
        Missing,       // no such file
        InUse,         // the books themselves, or the work file beside them
        ReadOnly,      // a file or disk that cannot be written
        Failed,        // anything else: detail says what, in the shop's words
    };
    RestoreReason(Kind kind = Unknown, QString detail = {})
        : kind(kind)
        , detail(std::move(detail))
    {
    }

    // What a database error, or a system call's errno, means for a restore.
    static RestoreReason fromDb(const DbError& error);
    static RestoreReason fromSystem(int code);
    // Anything else: what failed in the shop's words, then its cause.
    static RestoreReason failed(const QString& words, const QString& cause);

    Kind kind;
    QString detail; // the missing table, the book's version, the upgrade's failure, what else failed

    QString text() const;
};

// How a restore ended, and what the shop is told.
struct RestoreResult {
    bool restored = false;
    RestoreReason reason; // when not restored

    // "成功恢复数据！", or "数据恢复失败！" with the reason on a line of its own.
    QString message() const;
};

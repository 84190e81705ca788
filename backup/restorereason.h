#pragma once
#include <QString>

// Why a restore put nothing in place, in the shop's words. Unknown tells no
// more than that the restore failed.
struct RestoreReason {
    enum Kind {
        Unknown,
        ForeignFile,  // not a database of these books
        Incomplete,   // cut off or damaged
        MissingTable, // a database of the books without one of their tables
        EntryRefused, // an archive entry outside the folder or past the limits
        NoSpace,
    };
    RestoreReason(Kind kind = Unknown, QString table = {})
        : kind(kind)
        , table(std::move(table))
    {
    }

    Kind kind;
    QString table; // the missing table

    QString text() const;
};

// How a restore ended, and what the shop is told.
struct RestoreResult {
    bool restored = false;
    RestoreReason reason; // when not restored

    // "成功恢复数据！", or "数据恢复失败！" with the reason on a line of its own.
    QString message() const;
};

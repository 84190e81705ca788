#pragma once
#include "dbresult.h"

#include <QString>

class QFileDevice;

// Copies of the books' files, made the owner's alone.
namespace FileCopy {
// A file's last error as the operations report one.
DbError errorOf(const QFileDevice& file);

// Copies source to target, which must not exist. The copy is writable as it
// is made, whatever the source's mode: a backup from a read-only disk gives a
// copy that can be brought up to date. A failed copy leaves no target.
DbStatus toNewFile(const QString& source, const QString& target);

// Copies source to target unless target exists, through a temporary file
// beside it: synced to disk, it takes the name without replacing anything,
// and the folder is synced after. A failed copy leaves nothing behind.
DbStatus toNewFileDurably(const QString& source, const QString& target);
}

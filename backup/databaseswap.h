#pragma once
#include "dbresult.h"
#include "restorereason.h"

#include <QString>

// Replacing the live database by another file without ever being left with
// none: the replacement must be a sound database holding the books' tables,
// and it takes the old file's place in one rename.
namespace DatabaseSwap {
// The work file beside the database that a compaction or a restore fills.
QString workFile(const QString& databaseFile);

struct Swapped {
    DbStatus status;
    RestoreReason reason; // why a candidate was refused
    explicit operator bool() const { return bool(status); }
};
// Whether candidate may hold the books: a sound SQLite file with the books'
// tables, of a version this program knows.
Swapped check(const QString& candidate);
// Checks candidate and renames it over databaseFile; on failure both files
// stay as they were.
Swapped replace(const QString& candidate, const QString& databaseFile);
}

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
// Removes a database file with the journals SQLite keeps beside it, so that
// no journal left by an interrupted attempt is ever rolled into another file
// of that name. False when one of them stays.
bool removeWithJournals(const QString& path);
// Removes the journals alone.
bool removeJournals(const QString& path);

struct Swapped {
    DbStatus status;
    RestoreReason reason; // why a candidate was refused
    explicit operator bool() const { return bool(status); }
};
// Whether candidate may hold the books: a sound SQLite file with the books'
// tables, of a version this program knows.
Swapped check(const QString& candidate);
// Checks candidate and renames it over databaseFile; on failure both files
// stay as they were. The candidate is synced to disk before the rename and
// the folder after it, so the new books survive a power cut.
Swapped replace(const QString& candidate, const QString& databaseFile);
}

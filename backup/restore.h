#pragma once
#include "restorereason.h"

#include <QString>

// Puts a backup copy in the place of the database. The chosen file is copied
// beside the database, checked and brought up to date there first; the live
// file, a missing file, one that is not a database of the books or one that
// cannot be brought up to date is refused and nothing changes.
RestoreResult restoreDatabase(const QString& chosenFile, const QString& databaseFile);

#pragma once
#include "restorereason.h"

#include <QString>

// Puts a backup copy in the place of the database. The chosen file is copied
// beside the database and checked first; the live file, a missing file or one
// that is not a database of the books is refused and nothing changes.
RestoreResult restoreDatabase(const QString& chosenFile, const QString& databaseFile);

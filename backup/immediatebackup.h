#pragma once
#include <QString>

class QWidget;

namespace ImmediateBackup {
// Copies the database to the backup file unless that file exists already;
// true when the backup file is there afterwards (a copy of the same minute
// counts). A failed copy leaves no partial file behind.
bool copy(const QString& databaseFile, const QString& backupFile);

// Backs the current database up to the file of this minute and tells the
// user how it went.
void runAndReport(QWidget* parent);
}

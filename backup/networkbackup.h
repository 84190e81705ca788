#pragma once
#include "dbresult.h"

#include <QString>

// The copy of the books kept on the remote backup server: where the server
// is, what the copy is called there and here, and how the books are packed.
namespace NetworkBackup {
// The server as the shop has set it in the per-user settings ("database" /
// "server"): the HTTP host the restore reads from, the FTP host the upload
// writes to ("host" or "host:port"), and the FTP account. Empty at first.
QString httpHost();
QString ftpHost();
QString user();
QString password();

// "VIViza/<serial>/update.dat": a folder per USB disk the program runs from.
QString remotePath(const QString& serial);
// The serial naming the folder: that of the USB disk holding the program folder.
QString serial();

// The transfer files in the backup folder: down.Vdat and up.Vdat.
QString downloadFile();
QString uploadFile();

// Zips the database into archive as its one entry db_kcgl.mdb, where a
// restore looks for it; a file left from before is replaced, a failed zip
// leaves none.
DbStatus packDatabase(const QString& databaseFile, const QString& archive);
}

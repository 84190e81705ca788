#pragma once
#include <QString>
#include <QStringList>

// The yardstick of the database share: a statement run as a plain C program
// runs it through the SQLite API (open, prepare, bind, step reading every
// column in its own type, finalize, close), with no layer of ours; it opens
// the file as the data layer does.
namespace PlainSqlite {
// The number of rows read; -1 when the statement failed.
long long run(const QString& databasePath, const QString& sql, const QStringList& params = {});
}

#include "plainsqlite.h"
#include "dbsession.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

long long PlainSqlite::run(const QString& databasePath, const QString& sql, const QStringList& params)
{
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(databasePath.toUtf8().constData(), &db, Database::OpenFlags, nullptr) != SQLITE_OK) {
        sqlite3_close_v2(db);
        return -1;
    }
    long long rows = -1;
    sqlite3_stmt* stmt = nullptr;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(db, text.constData(), int(text.size()), &stmt, nullptr) == SQLITE_OK) {
        for (int i = 0; i < params.size(); ++i) {
            const QByteArray value = params[i].toUtf8();
            sqlite3_bind_text(stmt, i + 1, value.constData(), int(value.size()), SQLITE_TRANSIENT);
        }
        const int columns = sqlite3_column_count(stmt);
        rows = 0;
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            for (int c = 0; c < columns; ++c) {
                switch (sqlite3_column_type(stmt, c)) {
                case SQLITE_INTEGER:
                    benchmark::DoNotOptimize(sqlite3_column_int64(stmt, c));
                    break;
                case SQLITE_FLOAT:
                    benchmark::DoNotOptimize(sqlite3_column_double(stmt, c));
                    break;
                case SQLITE_TEXT:
                    benchmark::DoNotOptimize(sqlite3_column_text(stmt, c));
                    benchmark::DoNotOptimize(sqlite3_column_bytes(stmt, c));
                    break;
                case SQLITE_BLOB:
                    benchmark::DoNotOptimize(sqlite3_column_blob(stmt, c));
                    benchmark::DoNotOptimize(sqlite3_column_bytes(stmt, c));
                    break;
                default:
                    break;
                }
            }
            ++rows;
        }
        if (rc != SQLITE_DONE)
            rows = -1;
    }
    sqlite3_finalize(stmt);
    sqlite3_close_v2(db);
    return rows;
}

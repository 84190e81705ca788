#include "plainsqlite.h"
#include "dbsession.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {
// Steps through every row reading each column in its own type: the rows read, -1 on failure.
long long stepAll(sqlite3_stmt* stmt)
{
    const int columns = sqlite3_column_count(stmt);
    long long rows = 0;
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
    return rc == SQLITE_DONE ? rows : -1;
}

sqlite3* openFile(const QString& databasePath)
{
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(databasePath.toUtf8().constData(), &db, Database::OpenFlags, nullptr) != SQLITE_OK) {
        sqlite3_close_v2(db);
        return nullptr;
    }
    return db;
}
}

long long PlainSqlite::run(const QString& databasePath, const QString& sql, const QStringList& params)
{
    sqlite3* db = openFile(databasePath);
    if (!db)
        return -1;
    long long rows = -1;
    sqlite3_stmt* stmt = nullptr;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(db, text.constData(), int(text.size()), &stmt, nullptr) == SQLITE_OK) {
        for (int i = 0; i < params.size(); ++i) {
            const QByteArray value = params[i].toUtf8();
            sqlite3_bind_text(stmt, i + 1, value.constData(), int(value.size()), SQLITE_TRANSIENT);
        }
        rows = stepAll(stmt);
    }
    sqlite3_finalize(stmt);
    sqlite3_close_v2(db);
    return rows;
}

PlainSqlite::Statement PlainSqlite::statement(const QString& sql, const QVariantList& params)
{
    Statement s{sql.toUtf8(), {}};
    for (const QVariant& value : params) {
        if (value.isNull())
            s.params.emplace_back(std::monostate());
        else if (value.typeId() == QMetaType::Double)
            s.params.emplace_back(value.toDouble());
        else if (value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int)
            s.params.emplace_back(value.toLongLong());
        else
            s.params.emplace_back(value.toString().toUtf8());
    }
    return s;
}

bool PlainSqlite::replay(const QString& databasePath, const std::vector<Statement>& statements)
{
    sqlite3* db = openFile(databasePath);
    if (!db)
        return false;
    bool ok = true;
    for (const Statement& s : statements) {
        sqlite3_stmt* stmt = nullptr;
        ok = sqlite3_prepare_v2(db, s.sql.constData(), int(s.sql.size()), &stmt, nullptr) == SQLITE_OK;
        for (int i = 0; ok && i < int(s.params.size()); ++i) {
            const auto& value = s.params[size_t(i)];
            if (const auto* integer = std::get_if<long long>(&value))
                sqlite3_bind_int64(stmt, i + 1, *integer);
            else if (const auto* real = std::get_if<double>(&value))
                sqlite3_bind_double(stmt, i + 1, *real);
            else if (const auto* text = std::get_if<QByteArray>(&value))
                sqlite3_bind_text(stmt, i + 1, text->constData(), int(text->size()), SQLITE_STATIC);
        }
        ok = ok && stepAll(stmt) >= 0;
        sqlite3_finalize(stmt);
        if (!ok)
            break;
    }
    if (!ok && !sqlite3_get_autocommit(db))
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close_v2(db);
    return ok;
}

#pragma once
#include "dbresult.h"
#include "rows.h"

#include <QHash>
#include <QVariantList>
#include <functional>
#include <type_traits>
#include <utility>

struct sqlite3;
struct sqlite3_stmt;

using ColumnValues = QList<std::pair<QString, QVariant>>;

// One open connection to the shop's database, for the length of one
// operation; it closes on every path, and a transaction left open by a
// failure is rolled back. Every value is bound, never spliced into the text.
class DbSession {
public:
    DbSession(DbSession&& other) noexcept;
    DbSession& operator=(DbSession&&) = delete;
    DbSession(const DbSession&) = delete;
    ~DbSession();

    DbResult<Rows> query(const QString& sql, const QVariantList& params = {});
    // The number of rows the statement changed.
    DbResult<int> exec(const QString& sql, const QVariantList& params = {});
    DbResult<int> insert(const QString& table, const ColumnValues& values);

    // Runs work inside one transaction: committed when it succeeds, rolled
    // back when it or the commit fails.
    DbStatus transaction(const std::function<DbStatus(DbSession&)>& work);
    bool inTransaction() const;

    sqlite3* handle() const { return m_db; }

private:
    friend class Database;
    explicit DbSession(sqlite3* db);
    DbResult<int> run(const QString& sql, const QVariantList& params, Rows* rows);
    static void appendValue(Rows& rows, sqlite3_stmt* stmt, int column);

    sqlite3* m_db = nullptr;
    // Statements prepared once per session: a slip's fifty lines are one
    // statement, and a table with triggers costs more to prepare than to write.
    QHash<QString, sqlite3_stmt*> m_statements;
};

// The database file of the current AppPath and the state of its connection.
class Database {
public:
    // Opens AppPath/db_kcgl.mdb; a missing file is an error and is never created.
    // Refused while another session is open.
    static DbResult<DbSession> open();
    static DbResult<DbSession> openFile(const QString& path);
    static bool isOpen();
    // Opens the database, runs work in one transaction and closes it again.
    static DbStatus runInTransaction(const std::function<DbStatus(DbSession&)>& work);
    // Opens the database, runs work (reads) on it and closes it again before
    // the result is handed back, so the caller may then report it: a message
    // box runs an event loop in which other handlers open sessions of their
    // own. work returns a DbResult or a DbStatus; a database that cannot be
    // opened gives its error.
    template <typename Work>
    static auto read(Work&& work) -> std::invoke_result_t<Work&, DbSession&>;
    // Read and write, never created; a session lives on one thread only, so
    // the connection needs no lock of its own (SQLITE_OPEN_NOMUTEX).
    static const int OpenFlags;

    // Test seam: a hook that may fail any statement before it runs.
    using FailureHook = std::function<std::optional<DbError>(const QString& sql)>;
    static void setFailureHook(FailureHook hook);
    // Benchmark seam: sees every statement with its values before it runs,
    // so a write can be replayed through plain SQLite.
    using StatementObserver = std::function<void(const QString& sql, const QVariantList& params)>;
    static void setStatementObserver(StatementObserver observer);

private:
    friend class DbSession;
    static int& openSessions();
};

template <typename Work>
auto Database::read(Work&& work) -> std::invoke_result_t<Work&, DbSession&>
{
    auto conn = open();
    if (!conn)
        return conn.error();
    return work(*conn);
}

namespace Mod1 {
inline DbResult<DbSession> OpenConn() { return Database::open(); }
// 1 while a connection is open, 0 otherwise.
inline int ConnState() { return Database::isOpen() ? 1 : 0; }
}

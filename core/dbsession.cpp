#include "dbsession.h"
#include "appstate.h"

#include <QDate>
#include <QFileInfo>
#include <sqlite3.h>

namespace {
Database::FailureHook& failureHook()
{
    static Database::FailureHook hook;
    return hook;
}

Database::StatementObserver& statementObserver()
{
    static Database::StatementObserver observer;
    return observer;
}

DbError errorOf(sqlite3* db) { return DbError{sqlite3_extended_errcode(db), QString::fromUtf8(sqlite3_errmsg(db))}; }

int bindValue(sqlite3_stmt* stmt, int index, const QVariant& value)
{
    if (value.isNull())
        return sqlite3_bind_null(stmt, index);
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return sqlite3_bind_int64(stmt, index, value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return sqlite3_bind_double(stmt, index, value.toDouble());
    case QMetaType::QDate:
        return sqlite3_bind_text16(stmt, index, value.toDate().toString(QStringLiteral("yyyy-MM-dd")).utf16(), -1,
                                   SQLITE_TRANSIENT);
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        return sqlite3_bind_blob(stmt, index, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
    }
    default: {
        const QString text = value.toString();
        return sqlite3_bind_text16(stmt, index, text.utf16(), int(text.size() * sizeof(char16_t)), SQLITE_TRANSIENT);
    }
    }
}

// Leaves a cached statement ready for its next use.
struct Statement {
    sqlite3_stmt* stmt = nullptr;
    ~Statement()
    {
        if (!stmt)
            return;
        sqlite3_reset(stmt);
        sqlite3_clear_bindings(stmt);
    }
};
}

int& Database::openSessions()
{
    static int count = 0;
    return count;
}

const int Database::OpenFlags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;

bool Database::isOpen() { return openSessions() > 0; }

DbStatus Database::runInTransaction(const std::function<DbStatus(DbSession&)>& work)
{
    auto conn = open();
    if (!conn)
        return conn.error();
    return conn->transaction(work);
}
void Database::setFailureHook(FailureHook hook) { failureHook() = std::move(hook); }
void Database::setStatementObserver(StatementObserver observer) { statementObserver() = std::move(observer); }

DbResult<DbSession> Database::open() { return openFile(AppState::instance().databasePath()); }

DbResult<DbSession> Database::openFile(const QString& path)
{
    if (isOpen())
        return DbError{SQLITE_MISUSE, QStringLiteral("数据库连接已在使用中")};
    if (!QFileInfo(path).isFile())
        return DbError{SQLITE_CANTOPEN, QStringLiteral("找不到数据库文件 ") + path};
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, Database::OpenFlags, nullptr);
    if (rc != SQLITE_OK) {
        DbError error = db ? errorOf(db) : DbError{rc, QString::fromUtf8(sqlite3_errstr(rc))};
        error.message += QStringLiteral(": ") + path;
        sqlite3_close_v2(db);
        return error;
    }
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, 3000);
    // Without it a REPLACE deletes the old row without its delete triggers,
    // and the totals they keep would go stale.
    if (sqlite3_exec(db, "PRAGMA recursive_triggers = ON", nullptr, nullptr, nullptr) != SQLITE_OK) {
        DbError error = errorOf(db);
        sqlite3_close_v2(db);
        return error;
    }
    return DbSession(db);
}

DbSession::DbSession(sqlite3* db)
    : m_db(db)
{
    ++Database::openSessions();
}

DbSession::DbSession(DbSession&& other) noexcept
    : m_db(std::exchange(other.m_db, nullptr))
    , m_statements(std::exchange(other.m_statements, {}))
{
}

DbSession::~DbSession()
{
    if (!m_db)
        return;
    for (sqlite3_stmt* stmt : std::as_const(m_statements))
        sqlite3_finalize(stmt);
    if (inTransaction())
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close_v2(m_db);
    --Database::openSessions();
}

bool DbSession::inTransaction() const { return m_db && sqlite3_get_autocommit(m_db) == 0; }

// One value of the current row, kept as the engine gives it.
void DbSession::appendValue(Rows& rows, sqlite3_stmt* stmt, int column)
{
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_INTEGER:
        rows.appendInteger(sqlite3_column_int64(stmt, column));
        break;
    case SQLITE_FLOAT:
        rows.appendReal(sqlite3_column_double(stmt, column));
        break;
    case SQLITE_TEXT:
        rows.appendText(reinterpret_cast<const char*>(sqlite3_column_text(stmt, column)), sqlite3_column_bytes(stmt, column));
        break;
    case SQLITE_BLOB:
        rows.appendBlob(sqlite3_column_blob(stmt, column), sqlite3_column_bytes(stmt, column));
        break;
    default:
        rows.appendNull();
        break;
    }
}

DbResult<int> DbSession::run(const QString& sql, const QVariantList& params, Rows* rows)
{
    if (statementObserver())
        statementObserver()(sql, params);
    if (failureHook()) {
        if (auto injected = failureHook()(sql))
            return *injected;
    }
    Statement statement{m_statements.value(sql)};
    if (!statement.stmt) {
        if (sqlite3_prepare16_v3(m_db, sql.utf16(), int(sql.size() * sizeof(char16_t)), SQLITE_PREPARE_PERSISTENT,
                                 &statement.stmt, nullptr)
            != SQLITE_OK)
            return errorOf(m_db);
        if (statement.stmt)
            m_statements.insert(sql, statement.stmt);
    }
    for (int i = 0; i < params.size(); ++i) {
        if (bindValue(statement.stmt, i + 1, params[i]) != SQLITE_OK)
            return errorOf(m_db);
    }
    const int columnCount = sqlite3_column_count(statement.stmt);
    Rows read;
    if (rows) {
        QStringList columns;
        for (int c = 0; c < columnCount; ++c)
            columns << QString::fromUtf8(sqlite3_column_name(statement.stmt, c));
        read = Rows(std::move(columns));
    }
    int rc;
    while ((rc = sqlite3_step(statement.stmt)) == SQLITE_ROW) {
        if (!rows)
            continue;
        for (int c = 0; c < columnCount; ++c)
            appendValue(read, statement.stmt, c);
        read.endRow();
    }
    if (rc != SQLITE_DONE)
        return errorOf(m_db);
    if (rows)
        *rows = std::move(read);
    return sqlite3_changes(m_db);
}

DbResult<Rows> DbSession::query(const QString& sql, const QVariantList& params)
{
    Rows rows;
    const DbResult<int> result = run(sql, params, &rows);
    if (!result)
        return result.error();
    return rows;
}

DbResult<int> DbSession::exec(const QString& sql, const QVariantList& params) { return run(sql, params, nullptr); }

DbResult<int> DbSession::insert(const QString& table, const ColumnValues& values)
{
    QStringList names;
    QStringList marks;
    QVariantList params;
    for (const auto& [column, value] : values) {
        names << QLatin1Char('"') + QString(column).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
        marks << QStringLiteral("?");
        params << value;
    }
    return exec(
        QStringLiteral("insert into %1 (%2) values (%3)").arg(table, names.join(QLatin1Char(',')), marks.join(QLatin1Char(','))),
        params);
}

DbStatus DbSession::transaction(const std::function<DbStatus(DbSession&)>& work)
{
    if (auto begun = exec(QStringLiteral("BEGIN IMMEDIATE")); !begun)
        return begun.error();
    DbStatus status = work(*this);
    if (status) {
        if (auto committed = exec(QStringLiteral("COMMIT")); committed)
            return {};
        else
            status = committed.error();
    }
    if (inTransaction())
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    return status;
}

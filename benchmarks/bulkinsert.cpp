#include "bulkinsert.h"

#include <sqlite3.h>

namespace {
DbError errorOf(sqlite3* db) { return DbError{sqlite3_extended_errcode(db), QString::fromUtf8(sqlite3_errmsg(db))}; }
}

BulkInsert::BulkInsert(DbSession& session, const QString& table, const QStringList& columns)
    : m_session(session)
{
    QStringList marks;
    for (qsizetype i = 0; i < columns.size(); ++i)
        marks << QStringLiteral("?");
    const QByteArray sql = QStringLiteral("insert into %1 (%2) values (%3)")
                               .arg(table, columns.join(QLatin1Char(',')), marks.join(QLatin1Char(',')))
                               .toUtf8();
    if (sqlite3_prepare_v2(session.handle(), sql.constData(), int(sql.size()), &m_statement, nullptr) != SQLITE_OK)
        m_error = errorOf(session.handle());
}

BulkInsert::~BulkInsert() { sqlite3_finalize(m_statement); }

BulkInsert& BulkInsert::text(const QByteArray& utf8)
{
    if (!m_error)
        sqlite3_bind_text(m_statement, m_next, utf8.constData(), int(utf8.size()), SQLITE_STATIC);
    ++m_next;
    return *this;
}

BulkInsert& BulkInsert::number(double value)
{
    if (!m_error)
        sqlite3_bind_double(m_statement, m_next, value);
    ++m_next;
    return *this;
}

void BulkInsert::row()
{
    m_next = 1;
    if (m_error)
        return;
    if (sqlite3_step(m_statement) != SQLITE_DONE)
        m_error = errorOf(m_session.handle());
    sqlite3_reset(m_statement);
}

DbStatus BulkInsert::status() const { return m_error ? DbStatus(*m_error) : DbStatus(); }

#pragma once
#include "dbsession.h"

#include <QByteArray>
#include <QStringList>

struct sqlite3_stmt;

// Writes many rows of one table through one prepared statement, for the
// generated books: the layer's insert prepares a statement per row, which
// for a million rows is what the generation would wait for.
class BulkInsert {
public:
    BulkInsert(DbSession& session, const QString& table, const QStringList& columns);
    BulkInsert(const BulkInsert&) = delete;
    BulkInsert& operator=(const BulkInsert&) = delete;
    ~BulkInsert();

    // The next value of the row, in the order of the columns; a text's bytes
    // must outlive the row.
    BulkInsert& text(const QByteArray& utf8);
    BulkInsert& number(double value);
    // Writes the row; the first failure stays and is given by status().
    void row();
    DbStatus status() const;

private:
    DbSession& m_session;
    sqlite3_stmt* m_statement = nullptr;
    int m_next = 1;
    std::optional<DbError> m_error;
};

#pragma once
#include "dbsession.h"

#include <QString>

// One master record as an editor saves it: the columns with their bound
// values, in the editor's field order, and the number it was loaded under.
struct MasterRecord {
    QString table;
    QString numberColumn;
    ColumnValues values;
    QString oldNumber; // empty for a new record

    QVariant value(const QString& column) const;
};

// The stored row of the number, every column as the table holds it; no row
// when the record is gone.
DbResult<Rows> ReadMasterRecord(DbSession& session, const QString& table, const QString& numberColumn, const QVariant& number);

// The names (名称) of every row of a table, trimmed, in the table's order.
DbResult<QStringList> ReadNames(DbSession& session, const QString& table);

// Deletes the rows of the number from the table and from each of alsoFrom
// (tables keyed by a column of the same name).
DbStatus DeleteMasterRecord(DbSession& session, const QString& table, const QString& numberColumn, const QVariant& number,
                            const QStringList& alsoFrom);

// Adds the record, or rewrites the row of its old number; a rewrite that
// finds no row is an error, so success is never told for nothing written.
DbStatus WriteMasterRecord(DbSession& session, const MasterRecord& record, bool isNew);

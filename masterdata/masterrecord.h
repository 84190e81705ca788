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
DbResult<Rows> ReadMasterRecord(DbSession& session, const QString& table, const QString& numberColumn,
                                const QVariant& number);

// Adds the record, or rewrites the row of its old number; a rewrite that
// finds no row is an error, so success is never told for nothing written.
DbStatus WriteMasterRecord(DbSession& session, const MasterRecord& record, bool isNew);

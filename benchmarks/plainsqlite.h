#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <variant>
#include <vector>

// The yardstick of the database share: a statement run as a plain C program
// runs it through the SQLite API (open, prepare, bind, step reading every
// column in its own type, finalize, close), with no layer of ours; it opens
// the file as the data layer does.
namespace PlainSqlite {
// The number of rows read; -1 when the statement failed.
long long run(const QString& databasePath, const QString& sql, const QStringList& params = {});

// A statement as an operation ran it through the data layer, ready for the
// plain API: UTF-8 text and its values in their SQLite types.
struct Statement {
    QByteArray sql;
    std::vector<std::variant<std::monostate, long long, double, QByteArray>> params;
};
Statement statement(const QString& sql, const QVariantList& params);

// Runs the statements in order on one connection, as the operation did
// (its BEGIN and COMMIT among them); false when one failed.
bool replay(const QString& databasePath, const std::vector<Statement>& statements);
}

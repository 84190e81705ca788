#pragma once
#include "rows.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

// Direct reads and writes of the database for the operator tests.
namespace OperatorBook {

Rows select(const QString& sql, const QVariantList& params = {});
void exec(const QString& sql, const QVariantList& params = {});
int count(const QString& table);

// An operator row with every right set to flag; a null password or flag is stored as NULL.
void addOperator(int id, const QString& name, const QString& post, const QVariant& password,
                 const QVariant& flag = QStringLiteral("0"));
// The texts of columns [1] to [25] of the named operator.
QStringList rights(const QString& name);

}

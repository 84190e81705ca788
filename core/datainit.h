#pragma once
#include "dbresult.h"

#include <QStringList>
#include <functional>

// Starting the books afresh: the tables a user may empty, the preset that
// keeps the opening data, and the emptying itself.
namespace DataInit {

// Every table but the operator book, the wubi look-up and the engine's own,
// in the database's order.
DbResult<QStringList> tables();

// The master tables the preset "保留期初" leaves alone.
const QStringList& openingTables();

// Empties every named table in one transaction: all of them or none.
// afterEach runs once a table has been emptied.
DbStatus emptyTables(const QStringList& tables, const std::function<void()>& afterEach);

}

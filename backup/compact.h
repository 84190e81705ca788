#pragma once
#include "dbresult.h"

#include <QString>

// Compacts and checks the database: a fresh copy is written beside it, its
// sales totals are summed anew from the lines and checked, and it takes the
// books' place only when sound. No work file is left behind.
DbStatus compactDatabase(const QString& databaseFile);

#pragma once
#include "dbresult.h"

#include <QString>

// Compacts and checks the database: a fresh copy is written beside it and
// takes its place only when the copy is sound. No work file is left behind.
DbStatus compactDatabase(const QString& databaseFile);

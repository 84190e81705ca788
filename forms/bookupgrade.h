#pragma once
#include "dbresult.h"

#include <QString>

class QWidget;

// Brings a book to the current schema version, with the window of long work
// once a step starts. Nothing else runs meanwhile: the books are
// marked busy and the window only repaints, so no timer, handler or deferred
// deletion gets in while the upgrade holds its transaction.
namespace BookUpgrade {
// The book at path (a restore's candidate); the upgrade's outcome, which
// leaves the file as it was on failure.
DbStatus upgradeFile(const QString& path);
// The shop's book at start: a failure is told and the book stays as it was;
// a book that cannot be opened is left to whoever reads it next. True when
// the book is current.
bool run(QWidget* parent);
}

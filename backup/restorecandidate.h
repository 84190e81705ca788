#pragma once
#include "restorereason.h"

#include <QString>

// A restore's candidate, a file beside the books: checked, brought up to this
// program's version, checked again, and only then put in the books' place
// with one rename. The books are busy meanwhile. On any failure the candidate
// is removed and the books stay as they were.
namespace RestoreCandidate {
RestoreResult putInPlace(const QString& candidate, const QString& databaseFile);
}

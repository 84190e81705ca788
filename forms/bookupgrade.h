#pragma once

class QWidget;

// Brings the shop's book to the current schema version, with a progress
// window when it takes longer than a second. A failure is told and the book
// stays as it was; a book that cannot be opened is left to whoever reads it
// next. True when the book is current.
namespace BookUpgrade {
bool run(QWidget* parent);
}

#pragma once
#include <QString>
#include <functional>

class QWidget;

// Forms shown once at a time, by name, in either program: an open one is
// raised, not opened twice. Tests clear it between cases.
namespace FormRegistry {
// Whether a form reads or writes the shop's books. A restore waits until no
// such window is open: one left open would go on writing what it read from
// the books the restore replaced.
enum class Kind { Other, BooksWindow };

QWidget* openForm(const QString& name);
void registerForm(const QString& name, QWidget* form, Kind kind = Kind::Other);
// The open form of that name shown and raised, or else one that create
// makes, registered under the name and kind and shown.
QWidget* showOnce(const QString& name, const std::function<QWidget*()>& create, Kind kind = Kind::Other);
// Whether form was registered as a window of the books.
bool isBooksWindow(const QWidget* form);
void clear();
}

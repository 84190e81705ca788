#pragma once
#include <QString>
#include <functional>

class QWidget;

// Forms shown once at a time, by name, in either program: an open one is
// raised, not opened twice. Tests clear it between cases.
namespace FormRegistry {
QWidget* openForm(const QString& name);
void registerForm(const QString& name, QWidget* form);
// The open form of that name shown and raised, or else one that create
// makes, registered under the name and shown.
QWidget* showOnce(const QString& name, const std::function<QWidget*()>& create);
void clear();
}

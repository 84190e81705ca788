#pragma once
#include <QString>

// The running program's own name ("Varnholt" or "Teskarn"): the title of a
// message box without one of its own and the folder of its per-user settings.
namespace Program {
QString name();
void setName(const QString& name);
}

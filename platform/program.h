#pragma once
#include <QString>

// The running program's own name ("Varnholt" or "Teskarn"): the title of a
// message box without one of its own and the folder of its per-user settings.
namespace Program {
QString name();
void setName(const QString& name);
}

// What a program's start-up tells main(): go on into the event loop, or end
// now with a code.
struct StartupResult {
    bool runEventLoop = false;
    int exitCode = 0;
};

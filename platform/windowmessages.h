#pragma once
#include <QtGlobal>
#include <optional>

// Windows of our own that receive messages through a window procedure, the
// stand-in for the window-procedure slot of a native window: each window has
// one current procedure, which a subclass may replace and later give back.
using WindowId = qint32;
using WindowProcedure = qint32 (*)(WindowId window, qint32 message, qint32 wParam, qint32 lParam);

namespace WindowMessages {
// A new window whose messages go to `original`; ids are never 0.
WindowId createWindow(WindowProcedure original);
void destroyWindow(WindowId window);

// The window's current procedure; nullptr for a window that does not exist.
WindowProcedure windowProc(WindowId window);
// Installs `procedure` and gives the one it replaced; nothing when the window
// does not exist or refuses the change.
std::optional<WindowProcedure> replaceWindowProc(WindowId window, WindowProcedure procedure);

// Delivers a message to the window's current procedure; 0 when there is none.
qint32 send(WindowId window, qint32 message, qint32 wParam, qint32 lParam);

// Makes the window refuse every change of its procedure, as a window that
// belongs to someone else does.
void setChangesRefused(WindowId window, bool refused);
}

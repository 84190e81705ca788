#pragma once
#include "windowmessages.h"

// The registry of subclassed windows. Each has one clsSubClass object whose
// chain of user procedures sees the window's messages before the procedure
// the window had before. A window whose procedure could not be given back is
// given up and cannot be subclassed again in this run.
namespace mdlSubClass {
// What a user procedure answers to pass the message on.
inline constexpr qint32 Marker = 1147483647;

bool SubClassWnd(WindowId window, WindowProcedure procedure);
bool UnSubClassWnd(WindowId window, WindowProcedure procedure);
// Whether either table holds the window; `givenUp` tells whether it is the
// table of windows that could not be given back.
bool IsWndSubClassed(WindowId window, bool& givenUp);
// The place of the window's new object, 0 on failure.
qint32 NewSubClass(WindowId window, WindowProcedure procedure);

// The procedure of every subclassed window.
qint32 WindowProc(WindowId window, qint32 message, qint32 wParam, qint32 lParam);
}

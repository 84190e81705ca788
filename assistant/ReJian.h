#pragma once
#include "windowmessages.h"

namespace Teskarn::ReJian {
// The search bar's window procedure while the bar is loaded: hot key 1 (F1)
// asks for quick-launch slot 8, hot key 2 (F3) for the screenshot; every
// message then goes on to the procedure the bar had before, whose answer is
// returned.
qint32 HotKeyWndProc(WindowId window, qint32 message, qint32 wParam, qint32 lParam);
}

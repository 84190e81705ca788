#include "ReJian.h"
#include "forms.h"
#include "hotkeys.h"
#include "search.h"
#include "teskarnstate.h"

namespace Teskarn::ReJian {
qint32 HotKeyWndProc(WindowId window, qint32 message, qint32 wParam, qint32 lParam)
{
    if (message == HotKeys::Message) {
        if (search* bar = Forms::loaded<search>()) {
            if (wParam == search::quickLaunchKey)
                emit bar->slot8Requested();
            else if (wParam == search::screenshotKey)
                emit bar->screenshotRequested();
        }
    }
    const WindowProcedure previous = State::instance().PreviousWndProc;
    return previous ? previous(window, message, wParam, lParam) : 0;
}
}

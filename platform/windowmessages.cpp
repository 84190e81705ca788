#include "windowmessages.h"

#include <QHash>
#include <QSet>
#include <limits>

namespace {
struct Windows {
    QHash<WindowId, WindowProcedure> procedures;
    QSet<WindowId> refusing;
    WindowId lastId = 0;
};

Windows& windows()
{
    static Windows all;
    return all;
}
}

WindowId WindowMessages::createWindow(WindowProcedure original)
{
    Windows& all = windows();
    do {
        all.lastId = all.lastId == std::numeric_limits<WindowId>::max() ? 1 : all.lastId + 1;
    } while (all.procedures.contains(all.lastId));
    all.procedures.insert(all.lastId, original);
    return all.lastId;
}

void WindowMessages::destroyWindow(WindowId window)
{
    windows().procedures.remove(window);
    windows().refusing.remove(window);
}

WindowProcedure WindowMessages::windowProc(WindowId window) { return windows().procedures.value(window, nullptr); }

std::optional<WindowProcedure> WindowMessages::replaceWindowProc(WindowId window, WindowProcedure procedure)
{
    Windows& all = windows();
    const auto it = all.procedures.find(window);
    if (it == all.procedures.end() || all.refusing.contains(window))
        return std::nullopt;
    const WindowProcedure previous = it.value();
    it.value() = procedure;
    return previous;
}

qint32 WindowMessages::send(WindowId window, qint32 message, qint32 wParam, qint32 lParam)
{
    // Copied out first: the procedure may create, destroy or subclass windows.
    const WindowProcedure procedure = windowProc(window);
    return procedure ? procedure(window, message, wParam, lParam) : 0;
}

void WindowMessages::setChangesRefused(WindowId window, bool refused)
{
    if (refused)
        windows().refusing.insert(window);
    else
        windows().refusing.remove(window);
}
